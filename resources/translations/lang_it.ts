<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="it_IT">
<context>
    <name>AddHandleDialog</name>
    <message>
        <source>Add handle</source>
        <translation>Aggiungi cursore</translation>
    </message>
    <message>
        <source>Velocity Value</source>
        <translation>Valore di velocità</translation>
    </message>
    <message>
        <source>error message</source>
        <translation>messaggio di errore</translation>
    </message>
    <message>
        <source>ERROR. Color already set for this value.</source>
        <translation>ERRORE. Colore già impostato per questo valore.</translation>
    </message>
</context>
<context>
    <name>ColorPaletteWidget</name>
    <message>
        <source>Selected Handle</source>
        <translation>Cursore selezionato</translation>
    </message>
    <message>
        <source>Add Slider </source>
        <translation>Aggiungi cursore </translation>
    </message>
    <message>
        <source>Value: </source>
        <translation>Valore: </translation>
    </message>
    <message>
        <source>Set Selected Slider Color </source>
        <translation>Imposta il colore del cursore selezionato </translation>
    </message>
    <message>
        <source>Delete Selected Slider </source>
        <translation>Elimina il cursore selezionato </translation>
    </message>
    <message>
        <source>Pick a color</source>
        <translation>Scegli un colore</translation>
    </message>
</context>
<context>
    <name>Confirm_File_Replace</name>
    <message>
        <source>Confirm file replace</source>
        <translation>Conferma sostituzione file</translation>
    </message>
    <message>
        <source>The following file already exists. Do you want to replace it?

</source>
        <translation>Il seguente file esiste già. Vuoi sostituirlo?

</translation>
    </message>
</context>
<context>
    <name>DialogAbout</name>
    <message>
        <source>Dialog</source>
        <translation>Finestra</translation>
    </message>
    <message>
        <source>Tervanelo Licence</source>
        <translation>Licenza di Tervanelo</translation>
    </message>
    <message>
        <source>Open source license</source>
        <translation>Licenza open source</translation>
    </message>
    <message>
        <source>About</source>
        <translation>Informazioni</translation>
    </message>
    <message>
        <source>Version: </source>
        <translation>Versione: </translation>
    </message>
</context>
<context>
    <name>DialogSetGeometry</name>
    <message>
        <source>Set survey geometry - Dialog</source>
        <translation>Imposta la geometria del rilievo - Finestra</translation>
    </message>
    <message>
        <source>Select all</source>
        <translation>Seleziona tutto</translation>
    </message>
    <message>
        <source>Add</source>
        <translation>Aggiungi</translation>
    </message>
    <message>
        <source>Remove</source>
        <translation>Rimuovi</translation>
    </message>
    <message>
        <source>Edit</source>
        <translation>Modifica</translation>
    </message>
    <message>
        <source>Load Shots Geometry</source>
        <translation>Carica la geometria degli scoppi</translation>
    </message>
    <message>
        <source>Save Shots Geometry</source>
        <translation>Salva la geometria degli scoppi</translation>
    </message>
    <message>
        <source>Shot ID &lt;b&gt;%1&lt;/b&gt;</source>
        <translation>ID scoppio &lt;b&gt;%1&lt;/b&gt;</translation>
    </message>
    <message>
        <source>File name DX: %1&lt;br&gt;File name SX: %2</source>
        <translation>Nome file DX: %1&lt;br&gt;Nome file SX: %2</translation>
    </message>
    <message>
        <source>File name %1</source>
        <translation>Nome file %1</translation>
    </message>
    <message>
        <source>Geophone geometry ID: &lt;b&gt;%1&lt;/b&gt; Shot position: &lt;b&gt;%2</source>
        <translation>ID geometria dei geofoni: &lt;b&gt;%1&lt;/b&gt; Posizione dello scoppio: &lt;b&gt;%2</translation>
    </message>
    <message>
        <source>Geometry ID: &lt;b&gt;%1&lt;/b&gt;&lt;br&gt;</source>
        <translation>ID geometria: &lt;b&gt;%1&lt;/b&gt;&lt;br&gt;</translation>
    </message>
    <message>
        <source>Open Geometry</source>
        <translation>Apri geometria</translation>
    </message>
    <message>
        <source>CSV format (*.csv)</source>
        <translation>Formato CSV (*.csv)</translation>
    </message>
    <message>
        <source>Error Message</source>
        <translation>Messaggio di errore</translation>
    </message>
    <message>
        <source>Invalid shot file. </source>
        <translation>File degli scoppi non valido. </translation>
    </message>
    <message>
        <source>Save Geometry</source>
        <translation>Salva geometria</translation>
    </message>
    <message>
        <source>Geophones Geometry (*csv)</source>
        <translation>Geometria dei geofoni (*csv)</translation>
    </message>
    <message>
        <source>Invalid geometry file.</source>
        <translation>File di geometria non valido.</translation>
    </message>
</context>
<context>
    <name>DrawAllTracesWidget</name>
    <message>
        <source>Form</source>
        <translation>Modulo</translation>
    </message>
</context>
<context>
    <name>ExportController</name>
    <message>
        <source>Warning</source>
        <translation>Attenzione</translation>
    </message>
    <message>
        <source>These pictures could not be made:
%1</source>
        <translation>Non è stato possibile creare queste immagini:
%1</translation>
    </message>
    <message>
        <source>Geographical coordinates are missing, data cannot be exported in KML format</source>
        <translation>Mancano le coordinate geografiche, i dati non possono essere esportati in formato KML</translation>
    </message>
    <message>
        <source>Export Seismic Line to KML</source>
        <translation>Esporta la linea sismica in KML</translation>
    </message>
    <message>
        <source>KML (*.kml);;All Files (*)</source>
        <translation>KML (*.kml);;Tutti i file (*)</translation>
    </message>
    <message>
        <source>EPSG code %1 cannot be converted, data cannot be exported in KML format</source>
        <translation>Il codice EPSG %1 non può essere convertito, i dati non possono essere esportati in formato KML</translation>
    </message>
    <message>
        <source>The file %1 could not be written.</source>
        <translation>Non è stato possibile scrivere il file %1.</translation>
    </message>
    <message>
        <source>No tomographic grid: data cannot be exported in KML format</source>
        <translation>Nessuna griglia tomografica: i dati non possono essere esportati in formato KML</translation>
    </message>
    <message>
        <source>Export Tomography to KML</source>
        <translation>Esporta la tomografia in KML</translation>
    </message>
    <message>
        <source>No tomographic grid: data cannot be exported</source>
        <translation>Nessuna griglia tomografica: i dati non possono essere esportati</translation>
    </message>
    <message>
        <source>Export Gridded Data</source>
        <translation>Esporta i dati grigliati</translation>
    </message>
    <message>
        <source>Save gridded tomographic velocity in a text file (*.txt);;All Files (*)</source>
        <translation>Salva la velocità tomografica grigliata in un file di testo (*.txt);;Tutti i file (*)</translation>
    </message>
    <message>
        <source>Select Output Folder</source>
        <translation>Seleziona la cartella di destinazione</translation>
    </message>
    <message>
        <source>Save Screenshot</source>
        <translation>Salva l&apos;istantanea</translation>
    </message>
    <message>
        <source>Image file png (*</source>
        <translation>File immagine png (*</translation>
    </message>
    <message>
        <source>Save ODT</source>
        <translation>Salva ODT</translation>
    </message>
    <message>
        <source>Open document format (*.odt);;All Files (*)</source>
        <translation>Formato Open Document (*.odt);;Tutti i file (*)</translation>
    </message>
    <message>
        <source>Ops! Something wrong writing ODT file</source>
        <translation>Ops! Qualcosa è andato storto scrivendo il file ODT</translation>
    </message>
    <message>
        <source>Save PDF</source>
        <translation>Salva PDF</translation>
    </message>
    <message>
        <source>Portable Document Format (*.pdf);;All Files (*)</source>
        <translation>Portable Document Format (*.pdf);;Tutti i file (*)</translation>
    </message>
    <message>
        <source>Ops! Something wrong writing PDF file</source>
        <translation>Ops! Qualcosa è andato storto scrivendo il file PDF</translation>
    </message>
    <message>
        <source>The file basename must be one line, without &quot;/&quot; or &quot;\&quot;.</source>
        <translation>Il nome base dei file deve stare su una riga, senza &quot;/&quot; né &quot;\&quot;.</translation>
    </message>
</context>
<context>
    <name>ExportTomoVelData</name>
    <message>
        <source>Set optional shift parameter before export</source>
        <translation>Imposta lo spostamento facoltativo prima dell&apos;esportazione</translation>
    </message>
    <message>
        <source>Y coord of the line</source>
        <translation>Coordinata Y della linea</translation>
    </message>
    <message>
        <source>Z offset of the line</source>
        <translation>Spostamento Z della linea</translation>
    </message>
</context>
<context>
    <name>PaletteDialog</name>
    <message>
        <source>Dialog</source>
        <translation>Finestra</translation>
    </message>
    <message>
        <source>Create New Palette</source>
        <translation>Crea una nuova tavolozza</translation>
    </message>
    <message>
        <source>Palette Settings</source>
        <translation>Impostazioni della tavolozza</translation>
    </message>
    <message>
        <source>Delete Palette</source>
        <translation>Elimina la tavolozza</translation>
    </message>
    <message>
        <source>Rename Palette</source>
        <translation>Rinomina la tavolozza</translation>
    </message>
    <message>
        <source>Save new palette as :</source>
        <translation>Salva la nuova tavolozza come:</translation>
    </message>
    <message>
        <source>Open Palette</source>
        <translation>Apri tavolozza</translation>
    </message>
    <message>
        <source>Tervanelo Palette (*.xml)</source>
        <translation>Tavolozza di Tervanelo (*.xml)</translation>
    </message>
    <message>
        <source>Error while loading palette.</source>
        <translation>Errore durante il caricamento della tavolozza.</translation>
    </message>
    <message>
        <source>Save Palette</source>
        <translation>Salva tavolozza</translation>
    </message>
    <message>
        <source>Error while saving palette.</source>
        <translation>Errore durante il salvataggio della tavolozza.</translation>
    </message>
</context>
<context>
    <name>Pictures</name>
    <message>
        <source>the picture could not be made</source>
        <translation>non è stato possibile creare l&apos;immagine</translation>
    </message>
</context>
<context>
    <name>ProgressTomography_Dialog</name>
    <message>
        <source>Running tomography ...</source>
        <translation>Tomografia in corso ...</translation>
    </message>
    <message>
        <source>Completed iteration </source>
        <translation>Iterazione completata </translation>
    </message>
</context>
<context>
    <name>RefractionProcessingDialog</name>
    <message>
        <source>Dialog</source>
        <translation>Finestra</translation>
    </message>
    <message>
        <source>T-x curves</source>
        <translation>Curve T-x</translation>
    </message>
    <message>
        <source>Select layer:</source>
        <translation>Seleziona strato:</translation>
    </message>
    <message>
        <source>Build profiles</source>
        <translation>Costruisci profili</translation>
    </message>
    <message>
        <source>Phantoming</source>
        <translation>Phantoming</translation>
    </message>
    <message>
        <source>Show layer:</source>
        <translation>Mostra strato:</translation>
    </message>
    <message>
        <source>Editable</source>
        <translation>Modificabile</translation>
    </message>
    <message>
        <source>tV/tG</source>
        <translation>tV/tG</translation>
    </message>
    <message>
        <source>Velocity/Profile</source>
        <translation>Velocità/Profilo</translation>
    </message>
    <message>
        <source>Velocity is less then zero at least one receiver. The profile may not be accurate. Please check input data </source>
        <translation>La velocità è minore di zero almeno nella posizione di un geofono. Il profilo potrebbe non essere accurato. Per favore, controlla i dati in input</translation>
    </message>
    <message>
        <source>Strong lateral velocity variations. The profile may not be accurate.</source>
        <translation>Variazioni laterali di velocità molto intense. Il profilo potrebbe non essere accurato</translation>
    </message>
    <message>
        <source>Save Project</source>
        <translation>Salva progetto</translation>
    </message>
    <message>
        <source>Png image (*.png)</source>
        <translation>Immagine Png (*.png)</translation>
    </message>
    <message>
        <source>Unable to save the image %1</source>
        <translation>Non è possibile salvare l&apos;immagine %1</translation>
    </message>
    <message>
        <source>Unable to compute the %1 function of layer %2: no offset could be evaluated.</source>
        <translation>Non è possibile calcolare la funzione %1 dello strato %2: nessun offset è valutabile.</translation>
    </message>
    <message>
        <source>The refractor velocity is not greater than the velocity above it at least one receiver: the depth there is set to 0. The profile may not be accurate.</source>
        <translation>La velocità del rifrattore non è maggiore di quella soprastante ad almeno un geofono: lì la profondità è posta a 0. Il profilo potrebbe non essere accurato.</translation>
    </message>
    <message>
        <source>The Tg function is less then zero at least one receiver. The profile may not be accurate. Please check input data </source>
        <translation>La funzione Tg è minore di 0 ad almeno un geofono. Il profilo potrebbe essere non accurato. Controllare i dati per verificaread esemio  che i tempi reciproci siano uguali.</translation>
    </message>
    <message>
        <source>Layer %1: the reference shot ID %2 (X: %3 m) has fewer than two picked receivers. The profile of this layer cannot be built.</source>
        <translation>Strato %1: l&apos;energizzazione di riferimento ID %2 (X: %3 m) ha meno di due geofoni con picking. Non è possibile costruire il profilo di questo strato.</translation>
    </message>
    <message>
        <source>Unable to find nearest shot for first refractor</source>
        <translation>Non è possibile trovare l&apos;energizzazione prossima ad un&apos;estremità. </translation>
    </message>
    <message>
        <source>Not enough direct-wave picks (layer 1): the overburden velocity cannot be estimated.</source>
        <translation>Picking dell&apos;onda diretta insufficiente (strato 1): non è possibile stimare la velocità della copertura.</translation>
    </message>
</context>
<context>
    <name>Reports</name>
    <message>
        <source>ID:geophone#</source>
        <translation>ID:geofono#</translation>
    </message>
    <message>
        <source>X</source>
        <translation>X</translation>
    </message>
    <message>
        <source>Elevation</source>
        <translation>Quota</translation>
    </message>
    <message>
        <source>Y</source>
        <translation>Y</translation>
    </message>
    <message>
        <source> Observed TravelTime / Compuded TravelTime</source>
        <translation> Tempo di percorso osservato / calcolato</translation>
    </message>
    <message>
        <source>Shot:</source>
        <translation>Scoppio:</translation>
    </message>
    <message>
        <source>Geophones:</source>
        <translation>Geofoni:</translation>
    </message>
    <message>
        <source>Easting</source>
        <translation>Est</translation>
    </message>
    <message>
        <source>Northing</source>
        <translation>Nord</translation>
    </message>
    <message>
        <source>First:</source>
        <translation>Primo:</translation>
    </message>
    <message>
        <source>Last:</source>
        <translation>Ultimo:</translation>
    </message>
    <message>
        <source>the document could not be made</source>
        <translation>non è stato possibile creare il documento</translation>
    </message>
    <message>
        <source>x = %1 m</source>
        <translation>x = %1 m</translation>
    </message>
</context>
<context>
    <name>SaveProjectLogDialog</name>
    <message>
        <source>Dialog</source>
        <translation>Finestra</translation>
    </message>
    <message>
        <source>tomodoc.xml</source>
        <translation>tomodoc.xml</translation>
    </message>
    <message>
        <source>grid.xml</source>
        <translation>grid.xml</translation>
    </message>
    <message>
        <source>traces.xml</source>
        <translation>traces.xml</translation>
    </message>
    <message>
        <source>palettes.xml</source>
        <translation>palettes.xml</translation>
    </message>
    <message>
        <source>refraction.xml</source>
        <translation>refraction.xml</translation>
    </message>
    <message>
        <source>the project file</source>
        <translation>il file di progetto</translation>
    </message>
    <message>
        <source>FAILED: %1</source>
        <translation>NON RIUSCITO: %1</translation>
    </message>
    <message>
        <source>SAVED XML</source>
        <translation>XML SALVATO</translation>
    </message>
    <message>
        <source>Saving grid...</source>
        <translation>Salvataggio della griglia...</translation>
    </message>
    <message>
        <source>SAVED GRID</source>
        <translation>GRIGLIA SALVATA</translation>
    </message>
    <message>
        <source>Saving traces...</source>
        <translation>Salvataggio delle tracce...</translation>
    </message>
    <message>
        <source>SAVED TRACES</source>
        <translation>TRACCE SALVATE</translation>
    </message>
    <message>
        <source>Saving palettes...</source>
        <translation>Salvataggio delle tavolozze...</translation>
    </message>
    <message>
        <source>SAVED PALETTES</source>
        <translation>TAVOLOZZE SALVATE</translation>
    </message>
    <message>
        <source>Compressing...</source>
        <translation>Compressione...</translation>
    </message>
    <message>
        <source>COMPRESSED</source>
        <translation>COMPRESSO</translation>
    </message>
    <message>
        <source>Removing temporary files...</source>
        <translation>Rimozione dei file temporanei...</translation>
    </message>
    <message>
        <source>COMPLETED</source>
        <translation>COMPLETATO</translation>
    </message>
    <message>
        <source>Extracted</source>
        <translation>Estratto</translation>
    </message>
    <message>
        <source>Loading XML</source>
        <translation>Caricamento XML</translation>
    </message>
    <message>
        <source>Loaded XML</source>
        <translation>XML caricato</translation>
    </message>
    <message>
        <source>Loading grid...</source>
        <translation>Caricamento della griglia...</translation>
    </message>
    <message>
        <source>Loaded GRID</source>
        <translation>GRIGLIA caricata</translation>
    </message>
    <message>
        <source>Loading traces...</source>
        <translation>Caricamento delle tracce...</translation>
    </message>
    <message>
        <source>Loaded TRACES</source>
        <translation>TRACCE caricate</translation>
    </message>
    <message>
        <source>Loading palettes...</source>
        <translation>Caricamento delle tavolozze...</translation>
    </message>
    <message>
        <source>Loaded PALETTES</source>
        <translation>TAVOLOZZE caricate</translation>
    </message>
</context>
<context>
    <name>SelectCSVDelimiterDialog</name>
    <message>
        <source>Select CSV Separator</source>
        <translation>Scegli il separatore CSV</translation>
    </message>
    <message>
        <source>CSV Separator</source>
        <translation>Separatore CSV</translation>
    </message>
    <message>
        <source>(blank space)</source>
        <translation>(spazio)</translation>
    </message>
    <message>
        <source>;</source>
        <translation>;</translation>
    </message>
    <message>
        <source>,</source>
        <translation>,</translation>
    </message>
</context>
<context>
    <name>SettingDialog</name>
    <message>
        <source>Dialog</source>
        <translation>Finestra</translation>
    </message>
    <message>
        <source>Language</source>
        <translation>Lingua</translation>
    </message>
    <message>
        <source>Traveltime Visualization</source>
        <translation>Visualizzazione dei tempi di arrivo</translation>
    </message>
    <message>
        <source>Use two colors visualization</source>
        <translation>Usa la visualizzazione a due colori</translation>
    </message>
    <message>
        <source>Trace Visualization</source>
        <translation>Visualizzazione delle tracce</translation>
    </message>
    <message>
        <source>Fill Wiggle</source>
        <translation>Riempi la forma d&apos;onda</translation>
    </message>
    <message>
        <source>Show Filtered (if already filtered)</source>
        <translation>Mostra le tracce filtrate (se già filtrate)</translation>
    </message>
    <message>
        <source>Cut Horizontally (not to mix djacent traces up)</source>
        <translation>Taglia orizzontalmente (per non sovrapporre le tracce adiacenti)</translation>
    </message>
    <message>
        <source>Horizontal Zoom In</source>
        <translation>Ingrandimento orizzontale</translation>
    </message>
    <message>
        <source>Show all traces side by side</source>
        <translation>Mostra tutte le tracce affiancate</translation>
    </message>
    <message>
        <source>User Settings</source>
        <translation>Impostazioni utente</translation>
    </message>
    <message>
        <source>Languages</source>
        <translation>Lingue</translation>
    </message>
    <message>
        <source>Tervanelo - User Settings</source>
        <translation>Tervanelo - Impostazioni utente</translation>
    </message>
    <message>
        <source>Select your language:</source>
        <translation>Scegli la tua lingua:</translation>
    </message>
</context>
<context>
    <name>Tervanelo_MainWindows</name>
    <message>
        <source>Tervanelo 2022.0</source>
        <translation>Tervanelo 2022.0</translation>
    </message>
    <message>
        <source>Traces</source>
        <translation>Tracce</translation>
    </message>
    <message>
        <source>Show All Picks</source>
        <translation>Mostra tutti i picking</translation>
    </message>
    <message>
        <source>Show Filtered Traces</source>
        <translation>Mostra le tracce filtrate</translation>
    </message>
    <message>
        <source>Show Only Traces</source>
        <translation>Mostra solo le tracce</translation>
    </message>
    <message>
        <source>Show computed Travel Times</source>
        <translation>Mostra i tempi di arrivo calcolati</translation>
    </message>
    <message>
        <source>Travel time curves</source>
        <translation>Dromocrone</translation>
    </message>
    <message>
        <source>Tomographic profile</source>
        <translation>Profilo tomografico</translation>
    </message>
    <message>
        <source>File</source>
        <translation>File</translation>
    </message>
    <message>
        <source>Export</source>
        <translation>Esporta</translation>
    </message>
    <message>
        <source>KML</source>
        <translation>KML</translation>
    </message>
    <message>
        <source>Project</source>
        <translation>Progetto</translation>
    </message>
    <message>
        <source>Processing</source>
        <translation>Elaborazione</translation>
    </message>
    <message>
        <source>View</source>
        <translation>Visualizza</translation>
    </message>
    <message>
        <source>Show Velocity Gradient</source>
        <translation>Mostra il gradiente di velocità</translation>
    </message>
    <message>
        <source>Show Geophones</source>
        <translation>Mostra i geofoni</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>Aiuto</translation>
    </message>
    <message>
        <source>toolBar</source>
        <translation>Barra degli strumenti</translation>
    </message>
    <message>
        <source>New...</source>
        <translation>Nuovo...</translation>
    </message>
    <message>
        <source>Ctrl+N</source>
        <translation>Ctrl+N</translation>
    </message>
    <message>
        <source>Load Project...</source>
        <translation>Apri progetto...</translation>
    </message>
    <message>
        <source>Save Project</source>
        <translation>Salva progetto</translation>
    </message>
    <message>
        <source>Ctrl+S</source>
        <translation>Ctrl+S</translation>
    </message>
    <message>
        <source>Save Project As...</source>
        <translation>Salva progetto con nome...</translation>
    </message>
    <message>
        <source>Ctrl+Shift+S</source>
        <translation>Ctrl+Shift+S</translation>
    </message>
    <message>
        <source>Import TravelTimes...</source>
        <translation>Importa tempi di arrivo...</translation>
    </message>
    <message>
        <source>Load traveltimes</source>
        <translation>Carica i tempi di arrivo</translation>
    </message>
    <message>
        <source>Export TravelTimes...</source>
        <translation>Esporta tempi di arrivo...</translation>
    </message>
    <message>
        <source>Screenshot</source>
        <translation>Istantanea</translation>
    </message>
    <message>
        <source>Take a Screenshot of the tomographic profile</source>
        <translation>Salva un&apos;istantanea del profilo tomografico</translation>
    </message>
    <message>
        <source>Settings</source>
        <translation>Impostazioni</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>Esci</translation>
    </message>
    <message>
        <source>Meta+Q</source>
        <translation>Meta+Q</translation>
    </message>
    <message>
        <source>Tomography to text file ...</source>
        <translation>Tomografia in file di testo ...</translation>
    </message>
    <message>
        <source>Export tomography as a XYZVelocity gridded text file</source>
        <translation>Esporta la tomografia come griglia di testo XYZ-velocità</translation>
    </message>
    <message>
        <source>Images ...</source>
        <translation>Immagini ...</translation>
    </message>
    <message>
        <source>PDF ...</source>
        <translation>PDF ...</translation>
    </message>
    <message>
        <source>ODT...</source>
        <translation>ODT...</translation>
    </message>
    <message>
        <source>Tomographic profile ...</source>
        <translation>Profilo tomografico ...</translation>
    </message>
    <message>
        <source>Seismic line ...</source>
        <translation>Linea sismica ...</translation>
    </message>
    <message>
        <source>Export seismic line to KML</source>
        <translation>Esporta la linea sismica in KML</translation>
    </message>
    <message>
        <source>Geometry ...</source>
        <translation>Geometria ...</translation>
    </message>
    <message>
        <source>Grid ...</source>
        <translation>Griglia ...</translation>
    </message>
    <message>
        <source>Set geographic coordinates ...</source>
        <translation>Imposta le coordinate geografiche ...</translation>
    </message>
    <message>
        <source>Set title ...</source>
        <translation>Imposta il titolo ...</translation>
    </message>
    <message>
        <source>Set prject title</source>
        <translation>Imposta il titolo del progetto</translation>
    </message>
    <message>
        <source>Ctrl+T</source>
        <translation>Ctrl+T</translation>
    </message>
    <message>
        <source>Next</source>
        <translation>Successivo</translation>
    </message>
    <message>
        <source>Show the next seismic file</source>
        <translation>Mostra il file sismico successivo</translation>
    </message>
    <message>
        <source>Shift+Num+Right</source>
        <translation>Shift+Num+Right</translation>
    </message>
    <message>
        <source>Prev</source>
        <translation>Precedente</translation>
    </message>
    <message>
        <source>Show the previous file</source>
        <translation>Mostra il file precedente</translation>
    </message>
    <message>
        <source>Shift+Num+Left</source>
        <translation>Shift+Num+Left</translation>
    </message>
    <message>
        <source>AutoPick</source>
        <translation>Picking automatico</translation>
    </message>
    <message>
        <source>Ctrl+A</source>
        <translation>Ctrl+A</translation>
    </message>
    <message>
        <source>Filter...</source>
        <translation>Filtro...</translation>
    </message>
    <message>
        <source>AGC</source>
        <translation>AGC</translation>
    </message>
    <message>
        <source>Apply DaZo</source>
        <translation>Applica DaZo</translation>
    </message>
    <message>
        <source>Apply DaZo - The Noise Reduction tool for seismic refraction data</source>
        <translation>Applica DaZo - Lo strumento di riduzione del rumore per dati di sismica a rifrazione</translation>
    </message>
    <message>
        <source>Refraction</source>
        <translation>Rifrazione</translation>
    </message>
    <message>
        <source>Define model velocity</source>
        <translation>Definisci il modello di velocità</translation>
    </message>
    <message>
        <source>Run tomography inversion</source>
        <translation>Esegui l&apos;inversione tomografica</translation>
    </message>
    <message>
        <source>Ctrl+R</source>
        <translation>Ctrl+R</translation>
    </message>
    <message>
        <source>Show Tomographic Profile</source>
        <translation>Mostra il profilo tomografico</translation>
    </message>
    <message>
        <source>Show Information Density Layer</source>
        <translation>Mostra la densità d&apos;informazione</translation>
    </message>
    <message>
        <source>Show Rays</source>
        <translation>Mostra i raggi</translation>
    </message>
    <message>
        <source>Overlay the seismic rays to profile</source>
        <translation>Sovrapponi i raggi sismici al profilo</translation>
    </message>
    <message>
        <source>Show refraction</source>
        <translation>Mostra la rifrazione</translation>
    </message>
    <message>
        <source>Show Contour Lines</source>
        <translation>Mostra le isolinee</translation>
    </message>
    <message>
        <source>Show scalarbar</source>
        <translation>Mostra la scala dei colori</translation>
    </message>
    <message>
        <source>Show Grid Lines</source>
        <translation>Mostra la griglia</translation>
    </message>
    <message>
        <source>Show title ...</source>
        <translation>Mostra il titolo ...</translation>
    </message>
    <message>
        <source>Palette Options...</source>
        <translation>Opzioni della tavolozza...</translation>
    </message>
    <message>
        <source>Reset View</source>
        <translation>Ripristina la vista</translation>
    </message>
    <message>
        <source>Vertical Gradient</source>
        <translation>Gradiente verticale</translation>
    </message>
    <message>
        <source>Laplacian Gradient</source>
        <translation>Gradiente laplaciano</translation>
    </message>
    <message>
        <source>Small</source>
        <translation>Piccoli</translation>
    </message>
    <message>
        <source>Normal</source>
        <translation>Normali</translation>
    </message>
    <message>
        <source>Large</source>
        <translation>Grandi</translation>
    </message>
    <message>
        <source>User guide</source>
        <translation>Guida utente</translation>
    </message>
    <message>
        <source>On line help</source>
        <translation>Aiuto in linea</translation>
    </message>
    <message>
        <source>F1</source>
        <translation>F1</translation>
    </message>
    <message>
        <source>About</source>
        <translation>Informazioni</translation>
    </message>
    <message>
        <source>Fill wiggle</source>
        <translation>Riempi la forma d&apos;onda</translation>
    </message>
    <message>
        <source>Zoom In</source>
        <translation>Ingrandisci</translation>
    </message>
    <message>
        <source>Zoom Out</source>
        <translation>Riduci</translation>
    </message>
    <message>
        <source>Zoom Time In</source>
        <translation>Ingrandisci i tempi</translation>
    </message>
    <message>
        <source>Zoom Time Out</source>
        <translation>Riduci i tempi</translation>
    </message>
    <message>
        <source>The document has been modified</source>
        <translation>Il documento è stato modificato</translation>
    </message>
    <message>
        <source>Do you want to save your changes?</source>
        <translation>Vuoi salvare le modifiche?</translation>
    </message>
    <message>
        <source>Error occured</source>
        <translation>Si è verificato un errore</translation>
    </message>
    <message>
        <source>Error while loading one or more traces.</source>
        <translation>Errore durante il caricamento di una o più tracce.</translation>
    </message>
    <message>
        <source>Unsupported file format.</source>
        <translation>Formato di file non supportato.</translation>
    </message>
    <message>
        <source>A trace has no usable sample interval.</source>
        <translation>Una traccia non ha un intervallo di campionamento utilizzabile.</translation>
    </message>
    <message>
        <source>Cannot open or read the file.</source>
        <translation>Impossibile aprire o leggere il file.</translation>
    </message>
    <message>
        <source>Open Seismic Trace</source>
        <translation>Apri tracce sismiche</translation>
    </message>
    <message>
        <source>SEG2 format (*.sg2 *.dat *.seg2);;SEGY format (*.sgy *.segy);;SU format (*.su);;All Files (*)</source>
        <translation>Formato SEG2 (*.sg2 *.dat *.seg2);;Formato SEGY (*.sgy *.segy);;Formato SU (*.su);;Tutti i file (*)</translation>
    </message>
    <message>
        <source>Open TravelTimeExchange</source>
        <translation>Apri TravelTimeExchange</translation>
    </message>
    <message>
        <source>OpenTravelTimeExchange format (*.otte);;All Files (*)</source>
        <translation>Formato OpenTravelTimeExchange (*.otte);;Tutti i file (*)</translation>
    </message>
    <message>
        <source>Error</source>
        <translation>Errore</translation>
    </message>
    <message>
        <source> is not a valid TT file.</source>
        <translation> non è un file di tempi di arrivo valido.</translation>
    </message>
    <message>
        <source>Warning</source>
        <translation>Attenzione</translation>
    </message>
    <message>
        <source>Geophones do not have geometry! 
</source>
        <translation>I geofoni non hanno una geometria! 
</translation>
    </message>
    <message>
        <source>Please set the position of geophones
</source>
        <translation>Imposta la posizione dei geofoni
</translation>
    </message>
    <message>
        <source>Build the grid first: the velocity model spans the depth of the grid.</source>
        <translation>Crea prima la griglia: il modello di velocità copre la profondità della griglia.</translation>
    </message>
    <message>
        <source>Warning:</source>
        <translation>Attenzione:</translation>
    </message>
    <message>
        <source>Uncomplete set of picks. 
 
</source>
        <translation>Insieme di picking incompleto. 
 
</translation>
    </message>
    <message>
        <source>Do you want to run tomography inversion anyway? </source>
        <translation>Vuoi eseguire comunque l&apos;inversione tomografica? </translation>
    </message>
    <message>
        <source>Inversion results</source>
        <translation>Risultati dell&apos;inversione</translation>
    </message>
    <message>
        <source>Elapsed time: [s] </source>
        <translation>Tempo trascorso: [s] </translation>
    </message>
    <message>
        <source>RMSE: [ms] </source>
        <translation>RMSE: [ms] </translation>
    </message>
    <message>
        <source>; [%] </source>
        <translation>; [%] </translation>
    </message>
    <message>
        <source>MaxError: [ms] </source>
        <translation>Errore massimo: [ms] </translation>
    </message>
    <message>
        <source>Save TravelTimeExchange</source>
        <translation>Salva TravelTimeExchange</translation>
    </message>
    <message>
        <source>Open Travel Time Exchange format (*.otte);;All Files (*)</source>
        <translation>Formato Open Travel Time Exchange (*.otte);;Tutti i file (*)</translation>
    </message>
    <message>
        <source>Travel times could not be written to %1: the picks of shot %2 do not match its geophone spread.</source>
        <translation>Impossibile scrivere i tempi di arrivo in %1: i picking dello scoppio %2 non corrispondono al suo stendimento di geofoni.</translation>
    </message>
    <message>
        <source>Travel times could not be written to %1.</source>
        <translation>Impossibile scrivere i tempi di arrivo in %1.</translation>
    </message>
    <message>
        <source>Caution</source>
        <translation>Avvertenza</translation>
    </message>
    <message>
        <source>The traces are sampled too coarsely for the noise reduction: nothing was changed.</source>
        <translation>Il campionamento delle tracce è troppo rado per la riduzione del rumore: non è stato modificato nulla.</translation>
    </message>
    <message>
        <source>The information layer has not yet been calculated or loaded, this project may be an old version.
Pease run the tomography to compute the information layer</source>
        <translation>La densità d&apos;informazione non è ancora stata calcolata o caricata: il progetto potrebbe essere di una versione precedente.
Esegui la tomografia per calcolare la densità d&apos;informazione</translation>
    </message>
    <message>
        <source>Tervanelo projects (*%1)</source>
        <translation>Progetti Tervanelo (*%1)</translation>
    </message>
    <message>
        <source>Something went wrong while saving project </source>
        <translation>Si è verificato un problema durante il salvataggio del progetto </translation>
    </message>
    <message>
        <source>WARNING: the project has NOT been saved.</source>
        <translation>ATTENZIONE: il progetto NON è stato salvato.</translation>
    </message>
    <message>
        <source>Open Project</source>
        <translation>Apri progetto</translation>
    </message>
    <message>
        <source>Tervanelo projects (*%1);;All Files (*)</source>
        <translation>Progetti Tervanelo (*%1);;Tutti i file (*)</translation>
    </message>
    <message>
        <source>%1 is not a valid project.</source>
        <translation>%1 non è un progetto valido.</translation>
    </message>
    <message>
        <source>Error while loading traces: Invalid file format.</source>
        <translation>Errore durante il caricamento delle tracce: formato di file non valido.</translation>
    </message>
    <message>
        <source>No viewer could open the user guide:
%1</source>
        <translation>Nessun visualizzatore ha potuto aprire la guida utente:
%1</translation>
    </message>
    <message>
        <source>The refraction data do not match the current survey: they have been reset, and their layer assignments and results are lost.</source>
        <translation>I dati di rifrazione non corrispondono al rilievo corrente: sono stati reimpostati, e l&apos;assegnazione degli strati e i risultati sono andati persi.</translation>
    </message>
    <message>
        <source>Do you want to run refraction processing anyway? </source>
        <translation>Vuoi eseguire comunque l&apos;elaborazione a rifrazione? </translation>
    </message>
    <message>
        <source>The settings could not be saved:</source>
        <translation>Non è stato possibile salvare le impostazioni:</translation>
    </message>
</context>
<context>
    <name>TextExports</name>
    <message>
        <source> Shots and Receivers </source>
        <translation> Scoppi e ricevitori </translation>
    </message>
    <message>
        <source> Profile</source>
        <translation> Profilo</translation>
    </message>
</context>
<context>
    <name>TypedFields</name>
    <message>
        <source>Not a number</source>
        <translation>Non è un numero</translation>
    </message>
    <message>
        <source>%1 is empty.</source>
        <translation>%1 è vuoto.</translation>
    </message>
    <message>
        <source>%1: &quot;%2&quot; is not a number.</source>
        <translation>%1: &quot;%2&quot; non è un numero.</translation>
    </message>
    <message>
        <source>%1: &quot;%2&quot; is not a whole positive number.</source>
        <translation>%1: &quot;%2&quot; non è un numero intero positivo.</translation>
    </message>
</context>
<context>
    <name>contourlines_dialog</name>
    <message>
        <source>Set contour line</source>
        <translation>Imposta le isolinee</translation>
    </message>
    <message>
        <source> Equally spaced contour values</source>
        <translation> Isolinee a intervalli regolari</translation>
    </message>
    <message>
        <source># Values</source>
        <translation>N° di valori</translation>
    </message>
    <message>
        <source>Customized Contour Values</source>
        <translation>Valori personalizzati delle isolinee</translation>
    </message>
    <message>
        <source>Values           </source>
        <translation>Valori           </translation>
    </message>
    <message>
        <source>Add One More Value</source>
        <translation>Aggiungi un valore</translation>
    </message>
    <message>
        <source>Save Isovalues</source>
        <translation>Salva i valori delle isolinee</translation>
    </message>
    <message>
        <source>Load Isovalues</source>
        <translation>Carica i valori delle isolinee</translation>
    </message>
    <message>
        <source>Remove All</source>
        <translation>Rimuovi tutti</translation>
    </message>
    <message>
        <source>Show Contours (on top of  Tomographic Profile)</source>
        <translation>Mostra le isolinee (sopra il profilo tomografico)</translation>
    </message>
    <message>
        <source>Show Filled Contours</source>
        <translation>Mostra le isolinee con riempimento</translation>
    </message>
    <message>
        <source>Show Contours (on Vertical Gradient of Velocity)</source>
        <translation>Mostra le isolinee (sul gradiente verticale della velocità)</translation>
    </message>
    <message>
        <source>Contours colour:</source>
        <translation>Colore delle isolinee:</translation>
    </message>
    <message>
        <source>...</source>
        <translation>...</translation>
    </message>
    <message>
        <source>Show Contours (on Laplacian Gradient of Velocity)</source>
        <translation>Mostra le isolinee (sul gradiente laplaciano della velocità)</translation>
    </message>
    <message>
        <source>Show label every N contour lines</source>
        <translation>Mostra un&apos;etichetta ogni N isolinee</translation>
    </message>
    <message>
        <source>Label size</source>
        <translation>Dimensione delle etichette</translation>
    </message>
    <message>
        <source>Contour Lines - Settings</source>
        <translation>Isolinee - Impostazioni</translation>
    </message>
    <message>
        <source>Select background color</source>
        <translation>Scegli il colore delle isolinee</translation>
    </message>
    <message>
        <source>Isolines (*.csv)</source>
        <translation>Isolinee (*.csv)</translation>
    </message>
    <message>
        <source>Error</source>
        <translation>Errore</translation>
    </message>
    <message>
        <source>Cannot save file </source>
        <translation>Impossibile salvare il file </translation>
    </message>
    <message>
        <source>Cannot open file </source>
        <translation>Impossibile aprire il file </translation>
    </message>
    <message>
        <source>Warning</source>
        <translation>Attenzione</translation>
    </message>
    <message>
        <source>Some loaded isovalues were out of range. Ignored.</source>
        <translation>Alcuni valori caricati erano fuori intervallo e sono stati ignorati.</translation>
    </message>
</context>
<context>
    <name>doFilteringDialog</name>
    <message>
        <source>Trace Filtering</source>
        <translation>Filtraggio delle tracce</translation>
    </message>
    <message>
        <source>High Pass Filter</source>
        <translation>Filtro passa-alto</translation>
    </message>
    <message>
        <source>Frequency (Hz)</source>
        <translation>Frequenza (Hz)</translation>
    </message>
    <message>
        <source>Order</source>
        <translation>Ordine</translation>
    </message>
    <message>
        <source>Low Pass Filter</source>
        <translation>Filtro passa-basso</translation>
    </message>
    <message>
        <source>Apply filter to:</source>
        <translation>Applica il filtro a:</translation>
    </message>
    <message>
        <source>Original data</source>
        <translation>Dati originali</translation>
    </message>
    <message>
        <source>Filtered data</source>
        <translation>Dati filtrati</translation>
    </message>
    <message>
        <source>Display:</source>
        <translation>Mostra:</translation>
    </message>
    <message>
        <source>Original</source>
        <translation>Originale</translation>
    </message>
    <message>
        <source>Filtered</source>
        <translation>Filtrato</translation>
    </message>
    <message>
        <source>Frequency</source>
        <translation>Frequenza</translation>
    </message>
    <message>
        <source>Intensity</source>
        <translation>Intensità</translation>
    </message>
    <message>
        <source>Caution</source>
        <translation>Avvertenza</translation>
    </message>
    <message>
        <source>No filter applied. Filter order must be greater then 0.</source>
        <translation>Nessun filtro applicato. L&apos;ordine del filtro deve essere maggiore di 0.</translation>
    </message>
    <message>
        <source>No filter applied. Cut-off frequency out of range.</source>
        <translation>Nessun filtro applicato. Frequenza di taglio fuori intervallo.</translation>
    </message>
</context>
<context>
    <name>drawTraces</name>
    <message>
        <source>Shot position: </source>
        <translation>Posizione dello scoppio: </translation>
    </message>
    <message>
        <source>ch: &lt;b&gt;%1&lt;/b&gt; Time: %2</source>
        <translation>can.: &lt;b&gt;%1&lt;/b&gt; Tempo: %2</translation>
    </message>
</context>
<context>
    <name>editGeomEdit</name>
    <message>
        <source>Dialog</source>
        <translation>Finestra</translation>
    </message>
    <message>
        <source>Number of chanels:</source>
        <translation>Numero di canali:</translation>
    </message>
    <message>
        <source>Set</source>
        <translation>Imposta</translation>
    </message>
    <message>
        <source>Autofill</source>
        <translation>Riempimento automatico</translation>
    </message>
    <message>
        <source>Load Geometry</source>
        <translation>Carica geometria</translation>
    </message>
    <message>
        <source>Save Geometry</source>
        <translation>Salva geometria</translation>
    </message>
    <message>
        <source>Set Geophones Geometry</source>
        <translation>Imposta la geometria dei geofoni</translation>
    </message>
    <message>
        <source>Open Geometry</source>
        <translation>Apri geometria</translation>
    </message>
    <message>
        <source>CSV format (*.csv)</source>
        <translation>Formato CSV (*.csv)</translation>
    </message>
    <message>
        <source>Error Message</source>
        <translation>Messaggio di errore</translation>
    </message>
    <message>
        <source>Invalid geometry file. </source>
        <translation>File di geometria non valido. </translation>
    </message>
    <message>
        <source>Geophones Geometry (*csv)</source>
        <translation>Geometria dei geofoni (*csv)</translation>
    </message>
    <message>
        <source>Invalid geometry file.</source>
        <translation>File di geometria non valido.</translation>
    </message>
    <message>
        <source>A spread holds at most %1 geophones.</source>
        <translation>Uno stendimento contiene al massimo %1 geofoni.</translation>
    </message>
    <message>
        <source>Invalid geometry file. %1 rows: a spread holds at most %2 geophones.</source>
        <translation>File di geometria non valido. %1 righe: uno stendimento contiene al massimo %2 geofoni.</translation>
    </message>
</context>
<context>
    <name>editGeomWidget</name>
    <message>
        <source>Form</source>
        <translation>Modulo</translation>
    </message>
    <message>
        <source>ID#</source>
        <translation>ID</translation>
    </message>
    <message>
        <source>X</source>
        <translation>X</translation>
    </message>
    <message>
        <source>Y</source>
        <translation>Y</translation>
    </message>
</context>
<context>
    <name>geomTextWidget</name>
    <message>
        <source>Form</source>
        <translation>Modulo</translation>
    </message>
</context>
<context>
    <name>gridDialog</name>
    <message>
        <source>Grid Settings</source>
        <translation>Impostazioni della griglia</translation>
    </message>
    <message>
        <source>Array length (m)</source>
        <translation>Lunghezza dello stendimento (m)</translation>
    </message>
    <message>
        <source>Max. depth (m)</source>
        <translation>Profondità max. (m)</translation>
    </message>
    <message>
        <source>Cell size (m) </source>
        <translation>Dimensione cella (m) </translation>
    </message>
    <message>
        <source>N° of nodes per cell side</source>
        <translation>N° di nodi per lato di cella</translation>
    </message>
    <message>
        <source>Invalid parameter</source>
        <translation>Parametro non valido</translation>
    </message>
    <message>
        <source>The max depth parameter set to 0.0 is not valid for tomography</source>
        <translation>Il parametro profondità massima impostato a 0.0 non è valido per la tomografia</translation>
    </message>
    <message>
        <source>With this cell size the grid has no rows: the max depth must be at least half a cell.</source>
        <translation>Con questa dimensione di cella la griglia non ha righe: la profondità massima deve essere almeno mezza cella.</translation>
    </message>
    <message>
        <source>Memory warning</source>
        <translation>Avviso di memoria</translation>
    </message>
    <message>
        <source>A large number of nodes may require a lot of memory</source>
        <translation>Un numero elevato di nodi può richiedere molta memoria</translation>
    </message>
</context>
<context>
    <name>licenseDialog</name>
    <message>
        <source>Dialog</source>
        <translation>Finestra</translation>
    </message>
    <message>
        <source>license</source>
        <translation>licenza</translation>
    </message>
</context>
<context>
    <name>runTomography_Dialog</name>
    <message>
        <source>Dialog</source>
        <translation>Finestra</translation>
    </message>
    <message>
        <source>Tomography Settings</source>
        <translation>Impostazioni della tomografia</translation>
    </message>
    <message>
        <source>Number of external iterations (default =5)</source>
        <translation>Numero di iterazioni esterne (predefinito =5)</translation>
    </message>
    <message>
        <source>Number of solver iterations (default =20)</source>
        <translation>Numero di iterazioni del risolutore (predefinito =20)</translation>
    </message>
    <message>
        <source>Smoothing parameter (default =5) </source>
        <translation>Parametro di smussamento (predefinito =5) </translation>
    </message>
    <message>
        <source>Minimum velocity [m/s]</source>
        <translation>Velocità minima [m/s]</translation>
    </message>
    <message>
        <source>Maximum velocity [m/s]</source>
        <translation>Velocità massima [m/s]</translation>
    </message>
    <message>
        <source>Run in single thread mode</source>
        <translation>Esegui in un solo thread</translation>
    </message>
    <message>
        <source>Symmetric smoothing</source>
        <translation>Smussamento simmetrico</translation>
    </message>
    <message>
        <source>Type of smoothing:</source>
        <translation>Tipo di smussamento:</translation>
    </message>
    <message>
        <source>Uniform weighted smoothing</source>
        <translation>Smussamento a pesi uniformi</translation>
    </message>
    <message>
        <source>Linear weighted smoothing</source>
        <translation>Smussamento a pesi lineari</translation>
    </message>
    <message>
        <source>Gaussian weighted smoothing</source>
        <translation>Smussamento a pesi gaussiani</translation>
    </message>
    <message>
        <source>Ray based smoothing</source>
        <translation>Smussamento basato sui raggi</translation>
    </message>
</context>
<context>
    <name>selectExport</name>
    <message>
        <source>Dialog</source>
        <translation>Finestra</translation>
    </message>
    <message>
        <source>File Basename: </source>
        <translation>Nome base dei file: </translation>
    </message>
    <message>
        <source>Backgroung Color:</source>
        <translation>Colore di sfondo:</translation>
    </message>
    <message>
        <source>...</source>
        <translation>...</translation>
    </message>
    <message>
        <source>Equidistant palette labels</source>
        <translation>Etichette della palette equidistanti</translation>
    </message>
    <message>
        <source>Horizontal color bar</source>
        <translation>Barra dei colori orizzontale</translation>
    </message>
    <message>
        <source>Font scaling factor:</source>
        <translation>Fattore di scala dei caratteri:</translation>
    </message>
    <message>
        <source>Font scale: values greater than 1 -&gt; larger font</source>
        <translation>Scala dei caratteri: valori maggiori di 1 -&gt; caratteri più grandi</translation>
    </message>
    <message>
        <source>Use new image rendering engine</source>
        <translation>Usa il nuovo motore di resa delle immagini</translation>
    </message>
    <message>
        <source>Tervanelo uses a graphical engine based on user hardware. The new engine try to maximize the size of the profile.  </source>
        <translation>Tervanelo usa un motore grafico basato sull&apos;hardware dell&apos;utente. Il nuovo motore cerca di massimizzare la dimensione del profilo.  </translation>
    </message>
    <message>
        <source>Number of isolines labels: </source>
        <translation>Numero di etichette delle isolinee: </translation>
    </message>
    <message>
        <source>Less</source>
        <translation>Meno</translation>
    </message>
    <message>
        <source>Normal</source>
        <translation>Normale</translation>
    </message>
    <message>
        <source>More</source>
        <translation>Più</translation>
    </message>
    <message>
        <source>Plots to be exported:    </source>
        <translation>Grafici da esportare:    </translation>
    </message>
    <message>
        <source>Traces</source>
        <translation>Tracce</translation>
    </message>
    <message>
        <source>Travel times</source>
        <translation>Tempi di percorso</translation>
    </message>
    <message>
        <source>Profile</source>
        <translation>Profilo</translation>
    </message>
    <message>
        <source>Profile with laplacian gradient</source>
        <translation>Profilo con gradiente laplaciano</translation>
    </message>
    <message>
        <source>Profile with vertical gradient</source>
        <translation>Profilo con gradiente verticale</translation>
    </message>
    <message>
        <source>Profile with rays + vertical gradient</source>
        <translation>Profilo con raggi + gradiente verticale</translation>
    </message>
    <message>
        <source>Profile with rays</source>
        <translation>Profilo con raggi</translation>
    </message>
    <message>
        <source>Profile with rays + laplacian gradient</source>
        <translation>Profilo con raggi + gradiente laplaciano</translation>
    </message>
    <message>
        <source>Profile with isolines + vertical gradient</source>
        <translation>Profilo con isolinee + gradiente verticale</translation>
    </message>
    <message>
        <source>Profile with isolines</source>
        <translation>Profilo con isolinee</translation>
    </message>
    <message>
        <source>Profile with filled isolines </source>
        <translation>Profilo con isolinee riempite </translation>
    </message>
    <message>
        <source>Profile with isolines + laplacian gradient</source>
        <translation>Profilo con isolinee + gradiente laplaciano</translation>
    </message>
    <message>
        <source>Export Images</source>
        <translation>Esporta immagini</translation>
    </message>
    <message>
        <source>Select background color</source>
        <translation>Seleziona il colore di sfondo</translation>
    </message>
    <message>
        <source>Set images to be included in the document</source>
        <translation>Scegli le immagini da includere nel documento</translation>
    </message>
</context>
<context>
    <name>select_speed_Dialog</name>
    <message>
        <source>Dialog</source>
        <translation>Finestra</translation>
    </message>
    <message>
        <source>Define Model Velocity</source>
        <translation>Definisci il modello di velocità</translation>
    </message>
    <message>
        <source>Add</source>
        <translation>Aggiungi</translation>
    </message>
    <message>
        <source>Remove</source>
        <translation>Rimuovi</translation>
    </message>
    <message>
        <source>The model needs at least one layer.</source>
        <translation>Il modello richiede almeno uno strato.</translation>
    </message>
    <message>
        <source>Layer %1: the final depth must exceed the initial depth by more than 0.02 m.</source>
        <translation>Strato %1: la profondità finale deve superare quella iniziale di più di 0.02 m.</translation>
    </message>
    <message>
        <source>Layer %1 begins above the end of the layer before it: the layers must be sorted by depth and must not overlap.</source>
        <translation>Lo strato %1 inizia sopra la fine dello strato precedente: gli strati devono essere ordinati per profondità e non sovrapporsi.</translation>
    </message>
    <message>
        <source>The grid could not be built from this velocity model.</source>
        <translation>Impossibile costruire la griglia da questo modello di velocità.</translation>
    </message>
    <message>
        <source>Warning</source>
        <translation>Attenzione</translation>
    </message>
</context>
<context>
    <name>setGeographyDialog</name>
    <message>
        <source>Dialog</source>
        <translation>Finestra</translation>
    </message>
    <message>
        <source>Easting of first geophone</source>
        <translation>Est del primo geofono</translation>
    </message>
    <message>
        <source>Easting in Meter</source>
        <translation>Est in metri</translation>
    </message>
    <message>
        <source>Northing of first geophone</source>
        <translation>Nord del primo geofono</translation>
    </message>
    <message>
        <source>Northing in Meter</source>
        <translation>Nord in metri</translation>
    </message>
    <message>
        <source>Easting of last geophone</source>
        <translation>Est dell&apos;ultimo geofono</translation>
    </message>
    <message>
        <source>Northing of last geophone</source>
        <translation>Nord dell&apos;ultimo geofono</translation>
    </message>
    <message>
        <source>EPSG Code :</source>
        <translation>Codice EPSG :</translation>
    </message>
    <message>
        <source>List of EPSG codes </source>
        <translation>Elenco dei codici EPSG </translation>
    </message>
    <message>
        <source>List of EPSG code. Open in browser.</source>
        <translation>Elenco dei codici EPSG. Apri nel browser.</translation>
    </message>
</context>
<context>
    <name>setProjectTitle</name>
    <message>
        <source>Set Title</source>
        <translation>Imposta il titolo</translation>
    </message>
    <message>
        <source>Set project title:</source>
        <translation>Titolo del progetto:</translation>
    </message>
</context>
<context>
    <name>setVelocityWidget</name>
    <message>
        <source>Initial depth   </source>
        <translation>Profondità iniziale   </translation>
    </message>
    <message>
        <source>    Velocity  </source>
        <translation>    Velocità  </translation>
    </message>
    <message>
        <source>Final depth</source>
        <translation>Profondità finale</translation>
    </message>
    <message>
        <source>    Velocity</source>
        <translation>    Velocità</translation>
    </message>
</context>
<context>
    <name>set_screenshot_scale_dialog</name>
    <message>
        <source>Dialog</source>
        <translation>Finestra</translation>
    </message>
    <message>
        <source>Set screenshot scale:</source>
        <translation>Scala dell&apos;istantanea:</translation>
    </message>
    <message>
        <source>(&lt;1 smaller than screen; &gt;1 larger than screen) </source>
        <translation>(&lt;1 più piccola dello schermo; &gt;1 più grande dello schermo) </translation>
    </message>
</context>
<context>
    <name>shotEditDialog</name>
    <message>
        <source>Dialog</source>
        <translation>Finestra</translation>
    </message>
</context>
<context>
    <name>shotEditWidget</name>
    <message>
        <source>Form</source>
        <translation>Modulo</translation>
    </message>
    <message>
        <source>Shot Location: </source>
        <translation>Posizione dello scoppio: </translation>
    </message>
    <message>
        <source>X</source>
        <translation>X</translation>
    </message>
    <message>
        <source>Y:</source>
        <translation>Y:</translation>
    </message>
    <message>
        <source>        Line ID:</source>
        <translation>        ID linea:</translation>
    </message>
</context>
<context>
    <name>viewOptionsWidget</name>
    <message>
        <source>Form</source>
        <translation>Modulo</translation>
    </message>
    <message>
        <source>TextLabel</source>
        <translation>TextLabel</translation>
    </message>
    <message>
        <source>Visible</source>
        <translation>Visibile</translation>
    </message>
    <message>
        <source>Enabled</source>
        <translation>Abilitato</translation>
    </message>
    <message>
        <source>Shifting:</source>
        <translation>Traslazione:</translation>
    </message>
    <message>
        <source>ms</source>
        <translation>ms</translation>
    </message>
</context>
<context>
    <name>vtkViewer</name>
    <message>
        <source>Form</source>
        <translation>Modulo</translation>
    </message>
    <message>
        <source>Tomographic Profile - Velocity with Isolines</source>
        <translation>Profilo tomografico - Velocità con isolinee</translation>
    </message>
    <message>
        <source>Tomographic Profile - Velocity with Filled Isolines</source>
        <translation>Profilo tomografico - Velocità con isolinee riempite</translation>
    </message>
    <message>
        <source>Tomographic Profile - Velocity with Rays</source>
        <translation>Profilo tomografico - Velocità con raggi</translation>
    </message>
    <message>
        <source>Tomographic Profile - Velocity</source>
        <translation>Profilo tomografico - Velocità</translation>
    </message>
    <message>
        <source>Tomographic Profile - Vertical Gradient</source>
        <translation>Profilo tomografico - Gradiente verticale</translation>
    </message>
    <message>
        <source>Tomographic Profile - Vertical Gradient with Isolines</source>
        <translation>Profilo tomografico - Gradiente verticale con isolinee</translation>
    </message>
    <message>
        <source>Tomographic Profile - Vertical Gradient with Rays</source>
        <translation>Profilo tomografico - Gradiente verticale con raggi</translation>
    </message>
    <message>
        <source>Tomographic Profile - Laplacian Gradient</source>
        <translation>Profilo tomografico - Gradiente laplaciano</translation>
    </message>
    <message>
        <source>Tomographic Profile - Laplacian Gradient with Isolines</source>
        <translation>Profilo tomografico - Gradiente laplaciano con isolinee</translation>
    </message>
    <message>
        <source>Tomographic Profile - Laplacian Gradient with Rays</source>
        <translation>Profilo tomografico - Gradiente laplaciano con raggi</translation>
    </message>
    <message>
        <source>Ray density</source>
        <translation>Densità dei raggi</translation>
    </message>
</context>
<context>
    <name>zoomGeometry_Dialog</name>
    <message>
        <source>Dialog</source>
        <translation>Finestra</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Chiudi</translation>
    </message>
</context>
</TS>
