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
</TS>
