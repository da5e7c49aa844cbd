<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="it_IT">
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
</context>
<context>
    <name>ExportTomoVelData</name>
    <message>
        <source>Set optional shift parameter before export</source>
        <translation>Imposta lo spostamento facoltativo prima dell'esportazione</translation>
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
        <source>Save Project</source>
        <translation>Salva progetto</translation>
    </message>
    <message>
        <source>Png image (*.png)</source>
        <translation>Immagine Png (*.png)</translation>
    </message>
    <message>
        <source>Unable to save the image %1</source>
        <translation>Non è possibile salvare l'immagine %1</translation>
    </message>
    <message>
        <source>Unable to find nearest shot for first refractor</source>
        <translation>Non è possibile trovare l'energizzazione prossima ad un'estremità. </translation>
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
        <source>The Tg function is less then zero at least one receiver. The profile may not be accurate. Please check input data </source>
        <translation>La funzione Tg è minore di 0 ad almeno un geofono. Il profilo potrebbe essere non accurato. Controllare i dati per verificaread esemio  che i tempi reciproci siano uguali.</translation>
    </message>
    <message>
        <source>Not enough direct-wave picks (layer 1): the overburden velocity cannot be estimated.</source>
        <translation>Primi arrivi dell'onda diretta (strato 1) insufficienti: non è possibile stimare la velocità dello strato superficiale.</translation>
    </message>
    <message>
        <source>Layer %1: the reference shot ID %2 (X: %3 m) has fewer than two picked receivers. The profile of this layer cannot be built.</source>
        <translation>Strato %1: l'energizzazione di riferimento ID %2 (X: %3 m) ha meno di due geofoni con tempo di primo arrivo. Non è possibile costruire il profilo di questo strato.</translation>
    </message>
    <message>
        <source>Unable to compute the %1 function of layer %2: no offset could be evaluated.</source>
        <translation>Non è possibile calcolare la funzione %1 dello strato %2: nessun offset ha dato un risultato.</translation>
    </message>
    <message>
        <source>The refractor velocity is not greater than the velocity above it at least one receiver: the depth there is set to 0. The profile may not be accurate.</source>
        <translation>La velocità del rifrattore non è maggiore di quella dello strato sovrastante almeno nella posizione di un geofono: la profondità vi è posta a 0. Il profilo potrebbe non essere accurato.</translation>
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
        <translation>Riempi la forma d'onda</translation>
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
        <translation>Salva un'istantanea del profilo tomografico</translation>
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
        <translation>Esegui l'inversione tomografica</translation>
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
        <translation>Mostra la densità d'informazione</translation>
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
        <translation>Riempi la forma d'onda</translation>
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
        <translation>Vuoi eseguire comunque l'inversione tomografica? </translation>
    </message>
    <message>
        <source>Do you want to run refraction processing anyway? </source>
        <translation>Vuoi eseguire comunque l'elaborazione a rifrazione? </translation>
    </message>
    <message>
        <source>The refraction data do not match the current survey: they have been reset, and their layer assignments and results are lost.</source>
        <translation>I dati di rifrazione non corrispondono al rilievo corrente: sono stati reinizializzati, e le assegnazioni degli strati e i risultati sono andati persi.</translation>
    </message>
    <message>
        <source>Inversion results</source>
        <translation>Risultati dell'inversione</translation>
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
        <translation>Scala dell'istantanea:</translation>
    </message>
    <message>
        <source>(&lt;1 smaller than screen; &gt;1 larger than screen) </source>
        <translation>(&lt;1 più piccola dello schermo; &gt;1 più grande dello schermo) </translation>
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
</TS>
