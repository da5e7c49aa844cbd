<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en_GB">
<context>
    <name>AddHandleDialog</name>
    <message>
        <source>Add handle</source>
        <translation>Add handle</translation>
    </message>
    <message>
        <source>Velocity Value</source>
        <translation>Velocity Value</translation>
    </message>
    <message>
        <source>error message</source>
        <translation>error message</translation>
    </message>
    <message>
        <source>ERROR. Color already set for this value.</source>
        <translation>ERROR. Color already set for this value.</translation>
    </message>
</context>
<context>
    <name>ColorPaletteWidget</name>
    <message>
        <source>Selected Handle</source>
        <translation>Selected Handle</translation>
    </message>
    <message>
        <source>Add Slider </source>
        <translation>Add Slider </translation>
    </message>
    <message>
        <source>Value: </source>
        <translation>Value: </translation>
    </message>
    <message>
        <source>Set Selected Slider Color </source>
        <translation>Set Selected Slider Color </translation>
    </message>
    <message>
        <source>Delete Selected Slider </source>
        <translation>Delete Selected Slider </translation>
    </message>
    <message>
        <source>Pick a color</source>
        <translation>Pick a color</translation>
    </message>
</context>
<context>
    <name>Confirm_File_Replace</name>
    <message>
        <source>Confirm file replace</source>
        <translation>Confirm file replace</translation>
    </message>
    <message>
        <source>The following file already exists. Do you want to replace it?

</source>
        <translation>The following file already exists. Do you want to replace it?

</translation>
    </message>
</context>
<context>
    <name>DialogAbout</name>
    <message>
        <source>Dialog</source>
        <translation>Dialog</translation>
    </message>
    <message>
        <source>Tervanelo Licence</source>
        <translation>Tervanelo Licence</translation>
    </message>
    <message>
        <source>Open source license</source>
        <translation>Open source license</translation>
    </message>
    <message>
        <source>About</source>
        <translation>About</translation>
    </message>
    <message>
        <source>Version: </source>
        <translation>Version: </translation>
    </message>
</context>
<context>
    <name>DialogSetGeometry</name>
    <message>
        <source>Set survey geometry - Dialog</source>
        <translation>Set survey geometry - Dialog</translation>
    </message>
    <message>
        <source>Select all</source>
        <translation>Select all</translation>
    </message>
    <message>
        <source>Add</source>
        <translation>Add</translation>
    </message>
    <message>
        <source>Remove</source>
        <translation>Remove</translation>
    </message>
    <message>
        <source>Edit</source>
        <translation>Edit</translation>
    </message>
    <message>
        <source>Load Shots Geometry</source>
        <translation>Load Shots Geometry</translation>
    </message>
    <message>
        <source>Save Shots Geometry</source>
        <translation>Save Shots Geometry</translation>
    </message>
    <message>
        <source>Shot ID &lt;b&gt;%1&lt;/b&gt;</source>
        <translation>Shot ID &lt;b&gt;%1&lt;/b&gt;</translation>
    </message>
    <message>
        <source>File name DX: %1&lt;br&gt;File name SX: %2</source>
        <translation>File name DX: %1&lt;br&gt;File name SX: %2</translation>
    </message>
    <message>
        <source>File name %1</source>
        <translation>File name %1</translation>
    </message>
    <message>
        <source>Geophone geometry ID: &lt;b&gt;%1&lt;/b&gt; Shot position: &lt;b&gt;%2</source>
        <translation>Geophone geometry ID: &lt;b&gt;%1&lt;/b&gt; Shot position: &lt;b&gt;%2</translation>
    </message>
    <message>
        <source>Geometry ID: &lt;b&gt;%1&lt;/b&gt;&lt;br&gt;</source>
        <translation>Geometry ID: &lt;b&gt;%1&lt;/b&gt;&lt;br&gt;</translation>
    </message>
    <message>
        <source>Open Geometry</source>
        <translation>Open Geometry</translation>
    </message>
    <message>
        <source>CSV format (*.csv)</source>
        <translation>CSV format (*.csv)</translation>
    </message>
    <message>
        <source>Error Message</source>
        <translation>Error Message</translation>
    </message>
    <message>
        <source>Invalid shot file. </source>
        <translation>Invalid shot file. </translation>
    </message>
    <message>
        <source>Save Geometry</source>
        <translation>Save Geometry</translation>
    </message>
    <message>
        <source>Geophones Geometry (*csv)</source>
        <translation>Geophones Geometry (*csv)</translation>
    </message>
    <message>
        <source>Invalid geometry file.</source>
        <translation>Invalid geometry file.</translation>
    </message>
</context>
<context>
    <name>DrawAllTracesWidget</name>
    <message>
        <source>Form</source>
        <translation>Form</translation>
    </message>
</context>
<context>
    <name>ExportController</name>
    <message>
        <source>Warning</source>
        <translation>Warning</translation>
    </message>
    <message>
        <source>These pictures could not be made:
%1</source>
        <translation>These pictures could not be made:
%1</translation>
    </message>
    <message>
        <source>Geographical coordinates are missing, data cannot be exported in KML format</source>
        <translation>Geographical coordinates are missing, data cannot be exported in KML format</translation>
    </message>
    <message>
        <source>Export Seismic Line to KML</source>
        <translation>Export Seismic Line to KML</translation>
    </message>
    <message>
        <source>KML (*.kml);;All Files (*)</source>
        <translation>KML (*.kml);;All Files (*)</translation>
    </message>
    <message>
        <source>EPSG code %1 cannot be converted, data cannot be exported in KML format</source>
        <translation>EPSG code %1 cannot be converted, data cannot be exported in KML format</translation>
    </message>
    <message>
        <source>The file %1 could not be written.</source>
        <translation>The file %1 could not be written.</translation>
    </message>
    <message>
        <source>No tomographic grid: data cannot be exported in KML format</source>
        <translation>No tomographic grid: data cannot be exported in KML format</translation>
    </message>
    <message>
        <source>Export Tomography to KML</source>
        <translation>Export Tomography to KML</translation>
    </message>
    <message>
        <source>No tomographic grid: data cannot be exported</source>
        <translation>No tomographic grid: data cannot be exported</translation>
    </message>
    <message>
        <source>Export Gridded Data</source>
        <translation>Export Gridded Data</translation>
    </message>
    <message>
        <source>Save gridded tomographic velocity in a text file (*.txt);;All Files (*)</source>
        <translation>Save gridded tomographic velocity in a text file (*.txt);;All Files (*)</translation>
    </message>
    <message>
        <source>Select Output Folder</source>
        <translation>Select Output Folder</translation>
    </message>
    <message>
        <source>Save Screenshot</source>
        <translation>Save Screenshot</translation>
    </message>
    <message>
        <source>Image file png (*</source>
        <translation>Image file png (*</translation>
    </message>
    <message>
        <source>Save ODT</source>
        <translation>Save ODT</translation>
    </message>
    <message>
        <source>Open document format (*.odt);;All Files (*)</source>
        <translation>Open document format (*.odt);;All Files (*)</translation>
    </message>
    <message>
        <source>Ops! Something wrong writing ODT file</source>
        <translation>Ops! Something wrong writing ODT file</translation>
    </message>
    <message>
        <source>Save PDF</source>
        <translation>Save PDF</translation>
    </message>
    <message>
        <source>Portable Document Format (*.pdf);;All Files (*)</source>
        <translation>Portable Document Format (*.pdf);;All Files (*)</translation>
    </message>
    <message>
        <source>Ops! Something wrong writing PDF file</source>
        <translation>Ops! Something wrong writing PDF file</translation>
    </message>
    <message>
        <source>The file basename must be one line, without &quot;/&quot; or &quot;\&quot;.</source>
        <translation>The file basename must be one line, without &quot;/&quot; or &quot;\&quot;.</translation>
    </message>
</context>
<context>
    <name>ExportTomoVelData</name>
    <message>
        <source>Set optional shift parameter before export</source>
        <translation>Set optional shift parameter before export</translation>
    </message>
    <message>
        <source>Y coord of the line</source>
        <translation>Y coord of the line</translation>
    </message>
    <message>
        <source>Z offset of the line</source>
        <translation>Z offset of the line</translation>
    </message>
</context>
<context>
    <name>PaletteDialog</name>
    <message>
        <source>Dialog</source>
        <translation>Dialog</translation>
    </message>
    <message>
        <source>Create New Palette</source>
        <translation>Create New Palette</translation>
    </message>
    <message>
        <source>Palette Settings</source>
        <translation>Palette Settings</translation>
    </message>
    <message>
        <source>Delete Palette</source>
        <translation>Delete Palette</translation>
    </message>
    <message>
        <source>Rename Palette</source>
        <translation>Rename Palette</translation>
    </message>
    <message>
        <source>Save new palette as :</source>
        <translation>Save new palette as :</translation>
    </message>
    <message>
        <source>Open Palette</source>
        <translation>Open Palette</translation>
    </message>
    <message>
        <source>Tervanelo Palette (*.xml)</source>
        <translation>Tervanelo Palette (*.xml)</translation>
    </message>
    <message>
        <source>Error while loading palette.</source>
        <translation>Error while loading palette.</translation>
    </message>
    <message>
        <source>Save Palette</source>
        <translation>Save Palette</translation>
    </message>
    <message>
        <source>Error while saving palette.</source>
        <translation>Error while saving palette.</translation>
    </message>
</context>
<context>
    <name>Pictures</name>
    <message>
        <source>the picture could not be made</source>
        <translation>the picture could not be made</translation>
    </message>
</context>
<context>
    <name>ProgressTomography_Dialog</name>
    <message>
        <source>Running tomography ...</source>
        <translation>Running tomography ...</translation>
    </message>
    <message>
        <source>Completed iteration </source>
        <translation>Completed iteration </translation>
    </message>
</context>
<context>
    <name>RefractionProcessingDialog</name>
    <message>
        <source>Dialog</source>
        <translation>Dialog</translation>
    </message>
    <message>
        <source>T-x curves</source>
        <translation>T-x curves</translation>
    </message>
    <message>
        <source>Select layer:</source>
        <translation>Select layer:</translation>
    </message>
    <message>
        <source>Build profiles</source>
        <translation>Build profiles</translation>
    </message>
    <message>
        <source>Phantoming</source>
        <translation>Phantoming</translation>
    </message>
    <message>
        <source>Show layer:</source>
        <translation>Show layer:</translation>
    </message>
    <message>
        <source>Editable</source>
        <translation>Editable</translation>
    </message>
    <message>
        <source>tV/tG</source>
        <translation>tV/tG</translation>
    </message>
    <message>
        <source>Velocity/Profile</source>
        <translation>Velocity/Profile</translation>
    </message>
    <message>
        <source>Velocity is less then zero at least one receiver. The profile may not be accurate. Please check input data </source>
        <translation>Velocity is less then zero at least one receiver. The profile may not be accurate. Please check input data </translation>
    </message>
    <message>
        <source>Strong lateral velocity variations. The profile may not be accurate.</source>
        <translation>Strong lateral velocity variations. The profile may not be accurate.</translation>
    </message>
    <message>
        <source>Save Project</source>
        <translation>Save Project</translation>
    </message>
    <message>
        <source>Png image (*.png)</source>
        <translation>Png image (*.png)</translation>
    </message>
    <message>
        <source>Unable to save the image %1</source>
        <translation>Unable to save the image %1</translation>
    </message>
    <message>
        <source>Unable to compute the %1 function of layer %2: no offset could be evaluated.</source>
        <translation>Unable to compute the %1 function of layer %2: no offset could be evaluated.</translation>
    </message>
    <message>
        <source>The refractor velocity is not greater than the velocity above it at least one receiver: the depth there is set to 0. The profile may not be accurate.</source>
        <translation>The refractor velocity is not greater than the velocity above it at least one receiver: the depth there is set to 0. The profile may not be accurate.</translation>
    </message>
    <message>
        <source>The Tg function is less then zero at least one receiver. The profile may not be accurate. Please check input data </source>
        <translation>The Tg function is less then zero at least one receiver. The profile may not be accurate. Please check input data </translation>
    </message>
    <message>
        <source>Layer %1: the reference shot ID %2 (X: %3 m) has fewer than two picked receivers. The profile of this layer cannot be built.</source>
        <translation>Layer %1: the reference shot ID %2 (X: %3 m) has fewer than two picked receivers. The profile of this layer cannot be built.</translation>
    </message>
    <message>
        <source>Unable to find nearest shot for first refractor</source>
        <translation>Unable to find nearest shot for first refractor</translation>
    </message>
    <message>
        <source>Not enough direct-wave picks (layer 1): the overburden velocity cannot be estimated.</source>
        <translation>Not enough direct-wave picks (layer 1): the overburden velocity cannot be estimated.</translation>
    </message>
</context>
<context>
    <name>Reports</name>
    <message>
        <source>ID:geophone#</source>
        <translation>ID:geophone#</translation>
    </message>
    <message>
        <source>X</source>
        <translation>X</translation>
    </message>
    <message>
        <source>Elevation</source>
        <translation>Elevation</translation>
    </message>
    <message>
        <source>Y</source>
        <translation>Y</translation>
    </message>
    <message>
        <source> Observed TravelTime / Compuded TravelTime</source>
        <translation> Observed TravelTime / Compuded TravelTime</translation>
    </message>
    <message>
        <source>Shot:</source>
        <translation>Shot:</translation>
    </message>
    <message>
        <source>Geophones:</source>
        <translation>Geophones:</translation>
    </message>
    <message>
        <source>Easting</source>
        <translation>Easting</translation>
    </message>
    <message>
        <source>Northing</source>
        <translation>Northing</translation>
    </message>
    <message>
        <source>First:</source>
        <translation>First:</translation>
    </message>
    <message>
        <source>Last:</source>
        <translation>Last:</translation>
    </message>
    <message>
        <source>the document could not be made</source>
        <translation>the document could not be made</translation>
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
        <translation>Dialog</translation>
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
        <translation>the project file</translation>
    </message>
    <message>
        <source>FAILED: %1</source>
        <translation>FAILED: %1</translation>
    </message>
    <message>
        <source>SAVED XML</source>
        <translation>SAVED XML</translation>
    </message>
    <message>
        <source>Saving grid...</source>
        <translation>Saving grid...</translation>
    </message>
    <message>
        <source>SAVED GRID</source>
        <translation>SAVED GRID</translation>
    </message>
    <message>
        <source>Saving traces...</source>
        <translation>Saving traces...</translation>
    </message>
    <message>
        <source>SAVED TRACES</source>
        <translation>SAVED TRACES</translation>
    </message>
    <message>
        <source>Saving palettes...</source>
        <translation>Saving palettes...</translation>
    </message>
    <message>
        <source>SAVED PALETTES</source>
        <translation>SAVED PALETTES</translation>
    </message>
    <message>
        <source>Compressing...</source>
        <translation>Compressing...</translation>
    </message>
    <message>
        <source>COMPRESSED</source>
        <translation>COMPRESSED</translation>
    </message>
    <message>
        <source>Removing temporary files...</source>
        <translation>Removing temporary files...</translation>
    </message>
    <message>
        <source>COMPLETED</source>
        <translation>COMPLETED</translation>
    </message>
    <message>
        <source>Extracted</source>
        <translation>Extracted</translation>
    </message>
    <message>
        <source>Loading XML</source>
        <translation>Loading XML</translation>
    </message>
    <message>
        <source>Loaded XML</source>
        <translation>Loaded XML</translation>
    </message>
    <message>
        <source>Loading grid...</source>
        <translation>Loading grid...</translation>
    </message>
    <message>
        <source>Loaded GRID</source>
        <translation>Loaded GRID</translation>
    </message>
    <message>
        <source>Loading traces...</source>
        <translation>Loading traces...</translation>
    </message>
    <message>
        <source>Loaded TRACES</source>
        <translation>Loaded TRACES</translation>
    </message>
    <message>
        <source>Loading palettes...</source>
        <translation>Loading palettes...</translation>
    </message>
    <message>
        <source>Loaded PALETTES</source>
        <translation>Loaded PALETTES</translation>
    </message>
</context>
<context>
    <name>SelectCSVDelimiterDialog</name>
    <message>
        <source>Select CSV Separator</source>
        <translation>Select CSV Separator</translation>
    </message>
    <message>
        <source>CSV Separator</source>
        <translation>CSV Separator</translation>
    </message>
    <message>
        <source>(blank space)</source>
        <translation>(blank space)</translation>
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
        <translation>Dialog</translation>
    </message>
    <message>
        <source>Language</source>
        <translation>Language</translation>
    </message>
    <message>
        <source>Traveltime Visualization</source>
        <translation>Traveltime Visualization</translation>
    </message>
    <message>
        <source>Use two colors visualization</source>
        <translation>Use two colors visualization</translation>
    </message>
    <message>
        <source>Trace Visualization</source>
        <translation>Trace Visualization</translation>
    </message>
    <message>
        <source>Fill Wiggle</source>
        <translation>Fill Wiggle</translation>
    </message>
    <message>
        <source>Show Filtered (if already filtered)</source>
        <translation>Show Filtered (if already filtered)</translation>
    </message>
    <message>
        <source>Cut Horizontally (not to mix djacent traces up)</source>
        <translation>Cut Horizontally (not to mix djacent traces up)</translation>
    </message>
    <message>
        <source>Horizontal Zoom In</source>
        <translation>Horizontal Zoom In</translation>
    </message>
    <message>
        <source>Show all traces side by side</source>
        <translation>Show all traces side by side</translation>
    </message>
    <message>
        <source>User Settings</source>
        <translation>User Settings</translation>
    </message>
    <message>
        <source>Languages</source>
        <translation>Languages</translation>
    </message>
    <message>
        <source>Tervanelo - User Settings</source>
        <translation>Tervanelo - User Settings</translation>
    </message>
    <message>
        <source>Select your language:</source>
        <translation>Select your language:</translation>
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
        <translation>Traces</translation>
    </message>
    <message>
        <source>Show All Picks</source>
        <translation>Show All Picks</translation>
    </message>
    <message>
        <source>Show Filtered Traces</source>
        <translation>Show Filtered Traces</translation>
    </message>
    <message>
        <source>Show Only Traces</source>
        <translation>Show Only Traces</translation>
    </message>
    <message>
        <source>Show computed Travel Times</source>
        <translation>Show computed Travel Times</translation>
    </message>
    <message>
        <source>Travel time curves</source>
        <translation>Travel time curves</translation>
    </message>
    <message>
        <source>Tomographic profile</source>
        <translation>Tomographic profile</translation>
    </message>
    <message>
        <source>File</source>
        <translation>File</translation>
    </message>
    <message>
        <source>Export</source>
        <translation>Export</translation>
    </message>
    <message>
        <source>KML</source>
        <translation>KML</translation>
    </message>
    <message>
        <source>Project</source>
        <translation>Project</translation>
    </message>
    <message>
        <source>Processing</source>
        <translation>Processing</translation>
    </message>
    <message>
        <source>View</source>
        <translation>View</translation>
    </message>
    <message>
        <source>Show Velocity Gradient</source>
        <translation>Show Velocity Gradient</translation>
    </message>
    <message>
        <source>Show Geophones</source>
        <translation>Show Geophones</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>Help</translation>
    </message>
    <message>
        <source>toolBar</source>
        <translation>toolBar</translation>
    </message>
    <message>
        <source>New...</source>
        <translation>New...</translation>
    </message>
    <message>
        <source>Ctrl+N</source>
        <translation>Ctrl+N</translation>
    </message>
    <message>
        <source>Load Project...</source>
        <translation>Load Project...</translation>
    </message>
    <message>
        <source>Save Project</source>
        <translation>Save Project</translation>
    </message>
    <message>
        <source>Ctrl+S</source>
        <translation>Ctrl+S</translation>
    </message>
    <message>
        <source>Save Project As...</source>
        <translation>Save Project As...</translation>
    </message>
    <message>
        <source>Ctrl+Shift+S</source>
        <translation>Ctrl+Shift+S</translation>
    </message>
    <message>
        <source>Import TravelTimes...</source>
        <translation>Import TravelTimes...</translation>
    </message>
    <message>
        <source>Load traveltimes</source>
        <translation>Load traveltimes</translation>
    </message>
    <message>
        <source>Export TravelTimes...</source>
        <translation>Export TravelTimes...</translation>
    </message>
    <message>
        <source>Screenshot</source>
        <translation>Screenshot</translation>
    </message>
    <message>
        <source>Take a Screenshot of the tomographic profile</source>
        <translation>Take a Screenshot of the tomographic profile</translation>
    </message>
    <message>
        <source>Settings</source>
        <translation>Settings</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>Exit</translation>
    </message>
    <message>
        <source>Meta+Q</source>
        <translation>Meta+Q</translation>
    </message>
    <message>
        <source>Tomography to text file ...</source>
        <translation>Tomography to text file ...</translation>
    </message>
    <message>
        <source>Export tomography as a XYZVelocity gridded text file</source>
        <translation>Export tomography as a XYZVelocity gridded text file</translation>
    </message>
    <message>
        <source>Images ...</source>
        <translation>Images ...</translation>
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
        <translation>Tomographic profile ...</translation>
    </message>
    <message>
        <source>Seismic line ...</source>
        <translation>Seismic line ...</translation>
    </message>
    <message>
        <source>Export seismic line to KML</source>
        <translation>Export seismic line to KML</translation>
    </message>
    <message>
        <source>Geometry ...</source>
        <translation>Geometry ...</translation>
    </message>
    <message>
        <source>Grid ...</source>
        <translation>Grid ...</translation>
    </message>
    <message>
        <source>Set geographic coordinates ...</source>
        <translation>Set geographic coordinates ...</translation>
    </message>
    <message>
        <source>Set title ...</source>
        <translation>Set title ...</translation>
    </message>
    <message>
        <source>Set prject title</source>
        <translation>Set prject title</translation>
    </message>
    <message>
        <source>Ctrl+T</source>
        <translation>Ctrl+T</translation>
    </message>
    <message>
        <source>Next</source>
        <translation>Next</translation>
    </message>
    <message>
        <source>Show the next seismic file</source>
        <translation>Show the next seismic file</translation>
    </message>
    <message>
        <source>Shift+Num+Right</source>
        <translation>Shift+Num+Right</translation>
    </message>
    <message>
        <source>Prev</source>
        <translation>Prev</translation>
    </message>
    <message>
        <source>Show the previous file</source>
        <translation>Show the previous file</translation>
    </message>
    <message>
        <source>Shift+Num+Left</source>
        <translation>Shift+Num+Left</translation>
    </message>
    <message>
        <source>AutoPick</source>
        <translation>AutoPick</translation>
    </message>
    <message>
        <source>Ctrl+A</source>
        <translation>Ctrl+A</translation>
    </message>
    <message>
        <source>Filter...</source>
        <translation>Filter...</translation>
    </message>
    <message>
        <source>AGC</source>
        <translation>AGC</translation>
    </message>
    <message>
        <source>Apply DaZo</source>
        <translation>Apply DaZo</translation>
    </message>
    <message>
        <source>Apply DaZo - The Noise Reduction tool for seismic refraction data</source>
        <translation>Apply DaZo - The Noise Reduction tool for seismic refraction data</translation>
    </message>
    <message>
        <source>Refraction</source>
        <translation>Refraction</translation>
    </message>
    <message>
        <source>Define model velocity</source>
        <translation>Define model velocity</translation>
    </message>
    <message>
        <source>Run tomography inversion</source>
        <translation>Run tomography inversion</translation>
    </message>
    <message>
        <source>Ctrl+R</source>
        <translation>Ctrl+R</translation>
    </message>
    <message>
        <source>Show Tomographic Profile</source>
        <translation>Show Tomographic Profile</translation>
    </message>
    <message>
        <source>Show Information Density Layer</source>
        <translation>Show Information Density Layer</translation>
    </message>
    <message>
        <source>Show Rays</source>
        <translation>Show Rays</translation>
    </message>
    <message>
        <source>Overlay the seismic rays to profile</source>
        <translation>Overlay the seismic rays to profile</translation>
    </message>
    <message>
        <source>Show refraction</source>
        <translation>Show refraction</translation>
    </message>
    <message>
        <source>Show Contour Lines</source>
        <translation>Show Contour Lines</translation>
    </message>
    <message>
        <source>Show scalarbar</source>
        <translation>Show scalarbar</translation>
    </message>
    <message>
        <source>Show Grid Lines</source>
        <translation>Show Grid Lines</translation>
    </message>
    <message>
        <source>Show title ...</source>
        <translation>Show title ...</translation>
    </message>
    <message>
        <source>Palette Options...</source>
        <translation>Palette Options...</translation>
    </message>
    <message>
        <source>Reset View</source>
        <translation>Reset View</translation>
    </message>
    <message>
        <source>Vertical Gradient</source>
        <translation>Vertical Gradient</translation>
    </message>
    <message>
        <source>Laplacian Gradient</source>
        <translation>Laplacian Gradient</translation>
    </message>
    <message>
        <source>Small</source>
        <translation>Small</translation>
    </message>
    <message>
        <source>Normal</source>
        <translation>Normal</translation>
    </message>
    <message>
        <source>Large</source>
        <translation>Large</translation>
    </message>
    <message>
        <source>User guide</source>
        <translation>User guide</translation>
    </message>
    <message>
        <source>On line help</source>
        <translation>On line help</translation>
    </message>
    <message>
        <source>F1</source>
        <translation>F1</translation>
    </message>
    <message>
        <source>About</source>
        <translation>About</translation>
    </message>
    <message>
        <source>Fill wiggle</source>
        <translation>Fill wiggle</translation>
    </message>
    <message>
        <source>Zoom In</source>
        <translation>Zoom In</translation>
    </message>
    <message>
        <source>Zoom Out</source>
        <translation>Zoom Out</translation>
    </message>
    <message>
        <source>Zoom Time In</source>
        <translation>Zoom Time In</translation>
    </message>
    <message>
        <source>Zoom Time Out</source>
        <translation>Zoom Time Out</translation>
    </message>
    <message>
        <source>The document has been modified</source>
        <translation>The document has been modified</translation>
    </message>
    <message>
        <source>Do you want to save your changes?</source>
        <translation>Do you want to save your changes?</translation>
    </message>
    <message>
        <source>Error occured</source>
        <translation>Error occured</translation>
    </message>
    <message>
        <source>Error while loading one or more traces.</source>
        <translation>Error while loading one or more traces.</translation>
    </message>
    <message>
        <source>Unsupported file format.</source>
        <translation>Unsupported file format.</translation>
    </message>
    <message>
        <source>A trace has no usable sample interval.</source>
        <translation>A trace has no usable sample interval.</translation>
    </message>
    <message>
        <source>Cannot open or read the file.</source>
        <translation>Cannot open or read the file.</translation>
    </message>
    <message>
        <source>Open Seismic Trace</source>
        <translation>Open Seismic Trace</translation>
    </message>
    <message>
        <source>SEG2 format (*.sg2 *.dat *.seg2);;SEGY format (*.sgy *.segy);;SU format (*.su);;All Files (*)</source>
        <translation>SEG2 format (*.sg2 *.dat *.seg2);;SEGY format (*.sgy *.segy);;SU format (*.su);;All Files (*)</translation>
    </message>
    <message>
        <source>Open TravelTimeExchange</source>
        <translation>Open TravelTimeExchange</translation>
    </message>
    <message>
        <source>OpenTravelTimeExchange format (*.otte);;All Files (*)</source>
        <translation>OpenTravelTimeExchange format (*.otte);;All Files (*)</translation>
    </message>
    <message>
        <source>Error</source>
        <translation>Error</translation>
    </message>
    <message>
        <source> is not a valid TT file.</source>
        <translation> is not a valid TT file.</translation>
    </message>
    <message>
        <source>Warning</source>
        <translation>Warning</translation>
    </message>
    <message>
        <source>Geophones do not have geometry! 
</source>
        <translation>Geophones do not have geometry! 
</translation>
    </message>
    <message>
        <source>Please set the position of geophones
</source>
        <translation>Please set the position of geophones
</translation>
    </message>
    <message>
        <source>Build the grid first: the velocity model spans the depth of the grid.</source>
        <translation>Build the grid first: the velocity model spans the depth of the grid.</translation>
    </message>
    <message>
        <source>Warning:</source>
        <translation>Warning:</translation>
    </message>
    <message>
        <source>Uncomplete set of picks. 
 
</source>
        <translation>Uncomplete set of picks. 
 
</translation>
    </message>
    <message>
        <source>Do you want to run tomography inversion anyway? </source>
        <translation>Do you want to run tomography inversion anyway? </translation>
    </message>
    <message>
        <source>Inversion results</source>
        <translation>Inversion results</translation>
    </message>
    <message>
        <source>Elapsed time: [s] </source>
        <translation>Elapsed time: [s] </translation>
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
        <translation>MaxError: [ms] </translation>
    </message>
    <message>
        <source>Save TravelTimeExchange</source>
        <translation>Save TravelTimeExchange</translation>
    </message>
    <message>
        <source>Open Travel Time Exchange format (*.otte);;All Files (*)</source>
        <translation>Open Travel Time Exchange format (*.otte);;All Files (*)</translation>
    </message>
    <message>
        <source>Travel times could not be written to %1: the picks of shot %2 do not match its geophone spread.</source>
        <translation>Travel times could not be written to %1: the picks of shot %2 do not match its geophone spread.</translation>
    </message>
    <message>
        <source>Travel times could not be written to %1.</source>
        <translation>Travel times could not be written to %1.</translation>
    </message>
    <message>
        <source>Caution</source>
        <translation>Caution</translation>
    </message>
    <message>
        <source>The traces are sampled too coarsely for the noise reduction: nothing was changed.</source>
        <translation>The traces are sampled too coarsely for the noise reduction: nothing was changed.</translation>
    </message>
    <message>
        <source>The information layer has not yet been calculated or loaded, this project may be an old version.
Pease run the tomography to compute the information layer</source>
        <translation>The information layer has not yet been calculated or loaded, this project may be an old version.
Pease run the tomography to compute the information layer</translation>
    </message>
    <message>
        <source>Tervanelo projects (*%1)</source>
        <translation>Tervanelo projects (*%1)</translation>
    </message>
    <message>
        <source>Something went wrong while saving project </source>
        <translation>Something went wrong while saving project </translation>
    </message>
    <message>
        <source>WARNING: the project has NOT been saved.</source>
        <translation>WARNING: the project has NOT been saved.</translation>
    </message>
    <message>
        <source>Open Project</source>
        <translation>Open Project</translation>
    </message>
    <message>
        <source>Tervanelo projects (*%1);;All Files (*)</source>
        <translation>Tervanelo projects (*%1);;All Files (*)</translation>
    </message>
    <message>
        <source>%1 is not a valid project.</source>
        <translation>%1 is not a valid project.</translation>
    </message>
    <message>
        <source>Error while loading traces: Invalid file format.</source>
        <translation>Error while loading traces: Invalid file format.</translation>
    </message>
    <message>
        <source>No viewer could open the user guide:
%1</source>
        <translation>No viewer could open the user guide:
%1</translation>
    </message>
    <message>
        <source>The refraction data do not match the current survey: they have been reset, and their layer assignments and results are lost.</source>
        <translation>The refraction data do not match the current survey: they have been reset, and their layer assignments and results are lost.</translation>
    </message>
    <message>
        <source>Do you want to run refraction processing anyway? </source>
        <translation>Do you want to run refraction processing anyway? </translation>
    </message>
    <message>
        <source>The settings could not be saved:</source>
        <translation>The settings could not be saved:</translation>
    </message>
</context>
<context>
    <name>TextExports</name>
    <message>
        <source> Shots and Receivers </source>
        <translation> Shots and Receivers </translation>
    </message>
    <message>
        <source> Profile</source>
        <translation> Profile</translation>
    </message>
</context>
<context>
    <name>TypedFields</name>
    <message>
        <source>Not a number</source>
        <translation>Not a number</translation>
    </message>
    <message>
        <source>%1 is empty.</source>
        <translation>%1 is empty.</translation>
    </message>
    <message>
        <source>%1: &quot;%2&quot; is not a number.</source>
        <translation>%1: &quot;%2&quot; is not a number.</translation>
    </message>
    <message>
        <source>%1: &quot;%2&quot; is not a whole positive number.</source>
        <translation>%1: &quot;%2&quot; is not a whole positive number.</translation>
    </message>
</context>
<context>
    <name>contourlines_dialog</name>
    <message>
        <source>Set contour line</source>
        <translation>Set contour line</translation>
    </message>
    <message>
        <source> Equally spaced contour values</source>
        <translation> Equally spaced contour values</translation>
    </message>
    <message>
        <source># Values</source>
        <translation># Values</translation>
    </message>
    <message>
        <source>Customized Contour Values</source>
        <translation>Customized Contour Values</translation>
    </message>
    <message>
        <source>Values           </source>
        <translation>Values           </translation>
    </message>
    <message>
        <source>Add One More Value</source>
        <translation>Add One More Value</translation>
    </message>
    <message>
        <source>Save Isovalues</source>
        <translation>Save Isovalues</translation>
    </message>
    <message>
        <source>Load Isovalues</source>
        <translation>Load Isovalues</translation>
    </message>
    <message>
        <source>Remove All</source>
        <translation>Remove All</translation>
    </message>
    <message>
        <source>Show Contours (on top of  Tomographic Profile)</source>
        <translation>Show Contours (on top of  Tomographic Profile)</translation>
    </message>
    <message>
        <source>Show Filled Contours</source>
        <translation>Show Filled Contours</translation>
    </message>
    <message>
        <source>Show Contours (on Vertical Gradient of Velocity)</source>
        <translation>Show Contours (on Vertical Gradient of Velocity)</translation>
    </message>
    <message>
        <source>Contours colour:</source>
        <translation>Contours colour:</translation>
    </message>
    <message>
        <source>...</source>
        <translation>...</translation>
    </message>
    <message>
        <source>Show Contours (on Laplacian Gradient of Velocity)</source>
        <translation>Show Contours (on Laplacian Gradient of Velocity)</translation>
    </message>
    <message>
        <source>Show label every N contour lines</source>
        <translation>Show label every N contour lines</translation>
    </message>
    <message>
        <source>Label size</source>
        <translation>Label size</translation>
    </message>
    <message>
        <source>Contour Lines - Settings</source>
        <translation>Contour Lines - Settings</translation>
    </message>
    <message>
        <source>Select background color</source>
        <translation>Select background color</translation>
    </message>
    <message>
        <source>Isolines (*.csv)</source>
        <translation>Isolines (*.csv)</translation>
    </message>
    <message>
        <source>Error</source>
        <translation>Error</translation>
    </message>
    <message>
        <source>Cannot save file </source>
        <translation>Cannot save file </translation>
    </message>
    <message>
        <source>Cannot open file </source>
        <translation>Cannot open file </translation>
    </message>
    <message>
        <source>Warning</source>
        <translation>Warning</translation>
    </message>
    <message>
        <source>Some loaded isovalues were out of range. Ignored.</source>
        <translation>Some loaded isovalues were out of range. Ignored.</translation>
    </message>
</context>
<context>
    <name>doFilteringDialog</name>
    <message>
        <source>Trace Filtering</source>
        <translation>Trace Filtering</translation>
    </message>
    <message>
        <source>High Pass Filter</source>
        <translation>High Pass Filter</translation>
    </message>
    <message>
        <source>Frequency (Hz)</source>
        <translation>Frequency (Hz)</translation>
    </message>
    <message>
        <source>Order</source>
        <translation>Order</translation>
    </message>
    <message>
        <source>Low Pass Filter</source>
        <translation>Low Pass Filter</translation>
    </message>
    <message>
        <source>Apply filter to:</source>
        <translation>Apply filter to:</translation>
    </message>
    <message>
        <source>Original data</source>
        <translation>Original data</translation>
    </message>
    <message>
        <source>Filtered data</source>
        <translation>Filtered data</translation>
    </message>
    <message>
        <source>Display:</source>
        <translation>Display:</translation>
    </message>
    <message>
        <source>Original</source>
        <translation>Original</translation>
    </message>
    <message>
        <source>Filtered</source>
        <translation>Filtered</translation>
    </message>
    <message>
        <source>Frequency</source>
        <translation>Frequency</translation>
    </message>
    <message>
        <source>Intensity</source>
        <translation>Intensity</translation>
    </message>
    <message>
        <source>Caution</source>
        <translation>Caution</translation>
    </message>
    <message>
        <source>No filter applied. Filter order must be greater then 0.</source>
        <translation>No filter applied. Filter order must be greater then 0.</translation>
    </message>
    <message>
        <source>No filter applied. Cut-off frequency out of range.</source>
        <translation>No filter applied. Cut-off frequency out of range.</translation>
    </message>
</context>
<context>
    <name>drawTraces</name>
    <message>
        <source>Shot position: </source>
        <translation>Shot position: </translation>
    </message>
    <message>
        <source>ch: &lt;b&gt;%1&lt;/b&gt; Time: %2</source>
        <translation>ch: &lt;b&gt;%1&lt;/b&gt; Time: %2</translation>
    </message>
</context>
<context>
    <name>editGeomEdit</name>
    <message>
        <source>Dialog</source>
        <translation>Dialog</translation>
    </message>
    <message>
        <source>Number of chanels:</source>
        <translation>Number of chanels:</translation>
    </message>
    <message>
        <source>Set</source>
        <translation>Set</translation>
    </message>
    <message>
        <source>Autofill</source>
        <translation>Autofill</translation>
    </message>
    <message>
        <source>Load Geometry</source>
        <translation>Load Geometry</translation>
    </message>
    <message>
        <source>Save Geometry</source>
        <translation>Save Geometry</translation>
    </message>
    <message>
        <source>Set Geophones Geometry</source>
        <translation>Set Geophones Geometry</translation>
    </message>
    <message>
        <source>Open Geometry</source>
        <translation>Open Geometry</translation>
    </message>
    <message>
        <source>CSV format (*.csv)</source>
        <translation>CSV format (*.csv)</translation>
    </message>
    <message>
        <source>Error Message</source>
        <translation>Error Message</translation>
    </message>
    <message>
        <source>Invalid geometry file. </source>
        <translation>Invalid geometry file. </translation>
    </message>
    <message>
        <source>Geophones Geometry (*csv)</source>
        <translation>Geophones Geometry (*csv)</translation>
    </message>
    <message>
        <source>Invalid geometry file.</source>
        <translation>Invalid geometry file.</translation>
    </message>
    <message>
        <source>A spread holds at most %1 geophones.</source>
        <translation>A spread holds at most %1 geophones.</translation>
    </message>
    <message>
        <source>Invalid geometry file. %1 rows: a spread holds at most %2 geophones.</source>
        <translation>Invalid geometry file. %1 rows: a spread holds at most %2 geophones.</translation>
    </message>
</context>
<context>
    <name>editGeomWidget</name>
    <message>
        <source>Form</source>
        <translation>Form</translation>
    </message>
    <message>
        <source>ID#</source>
        <translation>ID#</translation>
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
        <translation>Form</translation>
    </message>
</context>
<context>
    <name>gridDialog</name>
    <message>
        <source>Grid Settings</source>
        <translation>Grid Settings</translation>
    </message>
    <message>
        <source>Array length (m)</source>
        <translation>Array length (m)</translation>
    </message>
    <message>
        <source>Max. depth (m)</source>
        <translation>Max. depth (m)</translation>
    </message>
    <message>
        <source>Cell size (m) </source>
        <translation>Cell size (m) </translation>
    </message>
    <message>
        <source>N° of nodes per cell side</source>
        <translation>N° of nodes per cell side</translation>
    </message>
    <message>
        <source>Invalid parameter</source>
        <translation>Invalid parameter</translation>
    </message>
    <message>
        <source>The max depth parameter set to 0.0 is not valid for tomography</source>
        <translation>The max depth parameter set to 0.0 is not valid for tomography</translation>
    </message>
    <message>
        <source>With this cell size the grid has no rows: the max depth must be at least half a cell.</source>
        <translation>With this cell size the grid has no rows: the max depth must be at least half a cell.</translation>
    </message>
    <message>
        <source>Memory warning</source>
        <translation>Memory warning</translation>
    </message>
    <message>
        <source>A large number of nodes may require a lot of memory</source>
        <translation>A large number of nodes may require a lot of memory</translation>
    </message>
</context>
<context>
    <name>licenseDialog</name>
    <message>
        <source>Dialog</source>
        <translation>Dialog</translation>
    </message>
    <message>
        <source>license</source>
        <translation>license</translation>
    </message>
</context>
<context>
    <name>runTomography_Dialog</name>
    <message>
        <source>Dialog</source>
        <translation>Dialog</translation>
    </message>
    <message>
        <source>Tomography Settings</source>
        <translation>Tomography Settings</translation>
    </message>
    <message>
        <source>Number of external iterations (default =5)</source>
        <translation>Number of external iterations (default =5)</translation>
    </message>
    <message>
        <source>Number of solver iterations (default =20)</source>
        <translation>Number of solver iterations (default =20)</translation>
    </message>
    <message>
        <source>Smoothing parameter (default =5) </source>
        <translation>Smoothing parameter (default =5) </translation>
    </message>
    <message>
        <source>Minimum velocity [m/s]</source>
        <translation>Minimum velocity [m/s]</translation>
    </message>
    <message>
        <source>Maximum velocity [m/s]</source>
        <translation>Maximum velocity [m/s]</translation>
    </message>
    <message>
        <source>Run in single thread mode</source>
        <translation>Run in single thread mode</translation>
    </message>
    <message>
        <source>Symmetric smoothing</source>
        <translation>Symmetric smoothing</translation>
    </message>
    <message>
        <source>Type of smoothing:</source>
        <translation>Type of smoothing:</translation>
    </message>
    <message>
        <source>Uniform weighted smoothing</source>
        <translation>Uniform weighted smoothing</translation>
    </message>
    <message>
        <source>Linear weighted smoothing</source>
        <translation>Linear weighted smoothing</translation>
    </message>
    <message>
        <source>Gaussian weighted smoothing</source>
        <translation>Gaussian weighted smoothing</translation>
    </message>
    <message>
        <source>Ray based smoothing</source>
        <translation>Ray based smoothing</translation>
    </message>
</context>
<context>
    <name>selectExport</name>
    <message>
        <source>Dialog</source>
        <translation>Dialog</translation>
    </message>
    <message>
        <source>File Basename: </source>
        <translation>File Basename: </translation>
    </message>
    <message>
        <source>Backgroung Color:</source>
        <translation>Backgroung Color:</translation>
    </message>
    <message>
        <source>...</source>
        <translation>...</translation>
    </message>
    <message>
        <source>Equidistant palette labels</source>
        <translation>Equidistant palette labels</translation>
    </message>
    <message>
        <source>Horizontal color bar</source>
        <translation>Horizontal color bar</translation>
    </message>
    <message>
        <source>Font scaling factor:</source>
        <translation>Font scaling factor:</translation>
    </message>
    <message>
        <source>Font scale: values greater than 1 -&gt; larger font</source>
        <translation>Font scale: values greater than 1 -&gt; larger font</translation>
    </message>
    <message>
        <source>Use new image rendering engine</source>
        <translation>Use new image rendering engine</translation>
    </message>
    <message>
        <source>Tervanelo uses a graphical engine based on user hardware. The new engine try to maximize the size of the profile.  </source>
        <translation>Tervanelo uses a graphical engine based on user hardware. The new engine try to maximize the size of the profile.  </translation>
    </message>
    <message>
        <source>Number of isolines labels: </source>
        <translation>Number of isolines labels: </translation>
    </message>
    <message>
        <source>Less</source>
        <translation>Less</translation>
    </message>
    <message>
        <source>Normal</source>
        <translation>Normal</translation>
    </message>
    <message>
        <source>More</source>
        <translation>More</translation>
    </message>
    <message>
        <source>Plots to be exported:    </source>
        <translation>Plots to be exported:    </translation>
    </message>
    <message>
        <source>Traces</source>
        <translation>Traces</translation>
    </message>
    <message>
        <source>Travel times</source>
        <translation>Travel times</translation>
    </message>
    <message>
        <source>Profile</source>
        <translation>Profile</translation>
    </message>
    <message>
        <source>Profile with laplacian gradient</source>
        <translation>Profile with laplacian gradient</translation>
    </message>
    <message>
        <source>Profile with vertical gradient</source>
        <translation>Profile with vertical gradient</translation>
    </message>
    <message>
        <source>Profile with rays + vertical gradient</source>
        <translation>Profile with rays + vertical gradient</translation>
    </message>
    <message>
        <source>Profile with rays</source>
        <translation>Profile with rays</translation>
    </message>
    <message>
        <source>Profile with rays + laplacian gradient</source>
        <translation>Profile with rays + laplacian gradient</translation>
    </message>
    <message>
        <source>Profile with isolines + vertical gradient</source>
        <translation>Profile with isolines + vertical gradient</translation>
    </message>
    <message>
        <source>Profile with isolines</source>
        <translation>Profile with isolines</translation>
    </message>
    <message>
        <source>Profile with filled isolines </source>
        <translation>Profile with filled isolines </translation>
    </message>
    <message>
        <source>Profile with isolines + laplacian gradient</source>
        <translation>Profile with isolines + laplacian gradient</translation>
    </message>
    <message>
        <source>Export Images</source>
        <translation>Export Images</translation>
    </message>
    <message>
        <source>Select background color</source>
        <translation>Select background color</translation>
    </message>
    <message>
        <source>Set images to be included in the document</source>
        <translation>Set images to be included in the document</translation>
    </message>
</context>
<context>
    <name>select_speed_Dialog</name>
    <message>
        <source>Dialog</source>
        <translation>Dialog</translation>
    </message>
    <message>
        <source>Define Model Velocity</source>
        <translation>Define Model Velocity</translation>
    </message>
    <message>
        <source>Add</source>
        <translation>Add</translation>
    </message>
    <message>
        <source>Remove</source>
        <translation>Remove</translation>
    </message>
    <message>
        <source>The model needs at least one layer.</source>
        <translation>The model needs at least one layer.</translation>
    </message>
    <message>
        <source>Layer %1: the final depth must exceed the initial depth by more than 0.02 m.</source>
        <translation>Layer %1: the final depth must exceed the initial depth by more than 0.02 m.</translation>
    </message>
    <message>
        <source>Layer %1 begins above the end of the layer before it: the layers must be sorted by depth and must not overlap.</source>
        <translation>Layer %1 begins above the end of the layer before it: the layers must be sorted by depth and must not overlap.</translation>
    </message>
    <message>
        <source>The grid could not be built from this velocity model.</source>
        <translation>The grid could not be built from this velocity model.</translation>
    </message>
    <message>
        <source>Warning</source>
        <translation>Warning</translation>
    </message>
</context>
<context>
    <name>setGeographyDialog</name>
    <message>
        <source>Dialog</source>
        <translation>Dialog</translation>
    </message>
    <message>
        <source>Easting of first geophone</source>
        <translation>Easting of first geophone</translation>
    </message>
    <message>
        <source>Easting in Meter</source>
        <translation>Easting in Meter</translation>
    </message>
    <message>
        <source>Northing of first geophone</source>
        <translation>Northing of first geophone</translation>
    </message>
    <message>
        <source>Northing in Meter</source>
        <translation>Northing in Meter</translation>
    </message>
    <message>
        <source>Easting of last geophone</source>
        <translation>Easting of last geophone</translation>
    </message>
    <message>
        <source>Northing of last geophone</source>
        <translation>Northing of last geophone</translation>
    </message>
    <message>
        <source>EPSG Code :</source>
        <translation>EPSG Code :</translation>
    </message>
    <message>
        <source>List of EPSG codes </source>
        <translation>List of EPSG codes </translation>
    </message>
    <message>
        <source>List of EPSG code. Open in browser.</source>
        <translation>List of EPSG code. Open in browser.</translation>
    </message>
</context>
<context>
    <name>setProjectTitle</name>
    <message>
        <source>Set Title</source>
        <translation>Set Title</translation>
    </message>
    <message>
        <source>Set project title:</source>
        <translation>Set project title:</translation>
    </message>
</context>
<context>
    <name>setVelocityWidget</name>
    <message>
        <source>Initial depth   </source>
        <translation>Initial depth   </translation>
    </message>
    <message>
        <source>    Velocity  </source>
        <translation>    Velocity  </translation>
    </message>
    <message>
        <source>Final depth</source>
        <translation>Final depth</translation>
    </message>
    <message>
        <source>    Velocity</source>
        <translation>    Velocity</translation>
    </message>
</context>
<context>
    <name>set_screenshot_scale_dialog</name>
    <message>
        <source>Dialog</source>
        <translation>Dialog</translation>
    </message>
    <message>
        <source>Set screenshot scale:</source>
        <translation>Set screenshot scale:</translation>
    </message>
    <message>
        <source>(&lt;1 smaller than screen; &gt;1 larger than screen) </source>
        <translation>(&lt;1 smaller than screen; &gt;1 larger than screen) </translation>
    </message>
</context>
<context>
    <name>shotEditDialog</name>
    <message>
        <source>Dialog</source>
        <translation>Dialog</translation>
    </message>
</context>
<context>
    <name>shotEditWidget</name>
    <message>
        <source>Form</source>
        <translation>Form</translation>
    </message>
    <message>
        <source>Shot Location: </source>
        <translation>Shot Location: </translation>
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
        <translation>        Line ID:</translation>
    </message>
</context>
<context>
    <name>viewOptionsWidget</name>
    <message>
        <source>Form</source>
        <translation>Form</translation>
    </message>
    <message>
        <source>TextLabel</source>
        <translation>TextLabel</translation>
    </message>
    <message>
        <source>Visible</source>
        <translation>Visible</translation>
    </message>
    <message>
        <source>Enabled</source>
        <translation>Enabled</translation>
    </message>
    <message>
        <source>Shifting:</source>
        <translation>Shifting:</translation>
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
        <translation>Form</translation>
    </message>
    <message>
        <source>Tomographic Profile - Velocity with Isolines</source>
        <translation>Tomographic Profile - Velocity with Isolines</translation>
    </message>
    <message>
        <source>Tomographic Profile - Velocity with Filled Isolines</source>
        <translation>Tomographic Profile - Velocity with Filled Isolines</translation>
    </message>
    <message>
        <source>Tomographic Profile - Velocity with Rays</source>
        <translation>Tomographic Profile - Velocity with Rays</translation>
    </message>
    <message>
        <source>Tomographic Profile - Velocity</source>
        <translation>Tomographic Profile - Velocity</translation>
    </message>
    <message>
        <source>Tomographic Profile - Vertical Gradient</source>
        <translation>Tomographic Profile - Vertical Gradient</translation>
    </message>
    <message>
        <source>Tomographic Profile - Vertical Gradient with Isolines</source>
        <translation>Tomographic Profile - Vertical Gradient with Isolines</translation>
    </message>
    <message>
        <source>Tomographic Profile - Vertical Gradient with Rays</source>
        <translation>Tomographic Profile - Vertical Gradient with Rays</translation>
    </message>
    <message>
        <source>Tomographic Profile - Laplacian Gradient</source>
        <translation>Tomographic Profile - Laplacian Gradient</translation>
    </message>
    <message>
        <source>Tomographic Profile - Laplacian Gradient with Isolines</source>
        <translation>Tomographic Profile - Laplacian Gradient with Isolines</translation>
    </message>
    <message>
        <source>Tomographic Profile - Laplacian Gradient with Rays</source>
        <translation>Tomographic Profile - Laplacian Gradient with Rays</translation>
    </message>
    <message>
        <source>Ray density</source>
        <translation>Ray density</translation>
    </message>
</context>
<context>
    <name>zoomGeometry_Dialog</name>
    <message>
        <source>Dialog</source>
        <translation>Dialog</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Close</translation>
    </message>
</context>
</TS>
