<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de" sourcelanguage="en">
<context>
    <name>tv</name>
    <message>
        <source>Bitmap</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>tv::TAnsiInput</name>
    <message>
        <source>The character &quot;%1&quot; cannot be used here: the project keeps its texts in the Windows-1252 character set.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>tv::TAppearanceParts</name>
    <message>
        <source>Title</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Bitmap (*.bmp)</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>tv::TBuildPage</name>
    <message>
        <source>Build Scripts</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Save the project, then /bBuild/b0 the deployment folder and /bCompile/b0 the setup./#Building clears the project&apos;s folder inside the deployment folder first.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Build Tamrin Installer Script</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Compile Tamrin Installer setup</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Check</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>List what would stop a build and what the setup would do other than the project says</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Compiler output</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Stop waiting</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Stop waiting for the program; it goes on running on its own</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Built %1 (%2)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Waiting for &quot;%1&quot; to end...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>No problems found.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Errors: the build refuses to start while these stand.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Warnings: the setup will not do exactly what the project says.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>tv::TColorView</name>
    <message>
        <source>Color View</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Selected color</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>tv::TCompilerOutputForm</name>
    <message>
        <source>Compiler output</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The compiler printed nothing.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>tv::TContentsListModel</name>
    <message>
        <source>Key</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>INI File</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Section</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>tv::TContentsMemo</name>
    <message>
        <source>The line holds a character Windows-1252 cannot hold</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>tv::TDCVersionInfo</name>
    <message>
        <source>Version %1.%2 (Build %3.%4)</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>tv::TDialogPage</name>
    <message>
        <source>Dialog Windows</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Select the dialog font</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Show Dialog Title</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Select the dialog title font</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>With shadow color</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Select Main Title shadow color</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Title font</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Dialogs</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Readme</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Welcome</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>License</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Path selection</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Program group</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Start Installation</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Final/ Finish</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Select the title bitmap</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>If using password, Password Dialog will appear before Start Installation Dialog</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Left</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Center</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Right</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Top</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Bottom</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Preview</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Show a dialog on the setup&apos;s screen (Escape closes)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Dialog font</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Title Bitmap</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Dialog Window Position</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>tv::TFieldBinder</name>
    <message>
        <source>The character &quot;%1&quot; cannot be used here:/#the project keeps its texts in the Windows-1252 character set.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>tv::TFileAdd</name>
    <message>
        <source>Target: chosen folder + \%1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Add Files</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Add selected files</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Remove selected file</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Add every file of the browsed folder and its sub-folders</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>File selection</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Selected files</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>OK</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>This was not added:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>These %1 were not added:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>1 file</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 files</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1/#holds more than %2 files, more than a project can take./#Nothing was added.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 files were found./#Add them all ?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>A project holds at most %1 files: there is room for %2 more,/#and %3 are selected.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The target path</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>tv::TFileDialogParts</name>
    <message>
        <source>Target name and/or include path</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Flags</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 may not contain &quot;|&quot;:/#the project file separates its fields with it.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>tv::TFileFlags</name>
    <message>
        <source>No Log</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>don&apos;t write to installation log-file</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>No Version Check</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>don&apos;t check file version</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Register Server</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>register OLE/ActiveX server</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Register Font</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>register as font</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Don&apos;t ask user</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>don&apos;t ask user confirmation of overwriting existing file on version conflict</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Don&apos;t overwrite</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>don&apos;t overwrite existing file</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>External file</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the file is external, i.e. does not included into the distribution package</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Shared file</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the file is shared by several applications</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>tv::TFileProperties</name>
    <message>
        <source>File Properties</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Properties</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Properties of %1 files</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>OK</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>each file keeps its own path</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Choose the target&apos;s folder variable.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The target path</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>tv::TFileRun</name>
    <message>
        <source>Run Application</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>0 - don&apos;t show window</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>1 - display window in normal size</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>2 - display window as a maximized</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>3 - display window as a minimized</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>0 - Do not wait running application</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>1 - Wait until running application finished</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Application name</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Arguments</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Working directory</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Message</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Window mode</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Waiting status</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 may not hold &quot;|&quot;:/#the project file separates the columns of a run entry with it.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 may not hold a line break.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>tv::TFileShortcuts</name>
    <message>
        <source>Shortcuts</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Group target</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Shortcut name</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Shortcut target</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Arguments</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Working directory</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Add Uninstaller Shortcut</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Add</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Done</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Shortcut name may not be blank</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The group target</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The shortcut name</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The arguments</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The working directory</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The shortcut name cannot be a key of the install list:/#%1.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>tv::TFilesModel</name>
    <message>
        <source>Source file not found</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>File Name</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>File Path</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>File Flags</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>tv::TFilesPage</name>
    <message>
        <source>Files &amp; Shortcuts</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Add files</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Remove file</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Properties</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Clear list</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Create shortcut</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Remove shortcut</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Files</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Shortcuts</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Properties...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Remove</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>A project holds at most %1 files:/#the %2 files were not added.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Sure to delete ALL files ?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>There is no file to make shortcut of</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>A project holds at most %1 shortcuts:/#the shortcut was not added.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Sure to delete ALL shortcuts ?</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>tv::TFolderPicker</name>
    <message>
        <source>Type or paste a folder; press Enter to take it</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 is not a folder</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Folder %1 does not exist,/#Create it ?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cannot create folder %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>OK</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Create...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Folder</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Create directory</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Name</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>tv::TFontView</name>
    <message>
        <source>Font Selection</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Font Attribute</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Bold</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Italic</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Underline</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Size (points)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Sample Text</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Not on this computer: shown in its default face</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Not on this computer: shown in %1, which stands in for it</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Other fonts on this computer</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>A setup that names one of these faces shows another on a computer that lacks it</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Not on every Windows and not on this computer</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>tv::TMain</name>
    <message>
        <source>Tamvelox is a wizard-style script generator for Tamrin Installer 1.6/#Some features of Tamrin Installer are not yet supported/#in this version, for more info see readme file./# /#For detail information refer to Tamrin Installer docs./#  Tamrin Installer - /c{clblue}https://tamrin-installer.example.org/c{clblack}/#  Tamrin Installer is written by the Tamrin Installer team/#  Email: team@tamrin-installer.example.org</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Start</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Main Window</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Dialog Window</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Files &amp; Shortcuts</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>System Changes</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Run App Install</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Run App Uninstall</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Finish</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Undo	Ctrl+Z</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Redo	Ctrl+Shift+Z</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>About...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Create new script</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Load Tamrin Installer Script</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Save Tamrin Installer Velox Script (*.tvx)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Close Tamrin Installer Velox</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Finish</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&lt;&lt; &amp;Previous</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Next &gt;&gt;</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Compile is waiting for &quot;%1&quot; to end./#Stop waiting and close ?/#(The program goes on running.)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Tamrin Installer Velox (*.tvx)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Tamrin Installer (*.tzn)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>All Files (*)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 already exists./#Do you want to replace it?</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>tv::TMainWindowPage</name>
    <message>
        <source>Main Window</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Show Main Window</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Show Main Title</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Select the title font</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>With shadow color</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Select Main Title shadow color</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Title font</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Background</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Show Application Name</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Select background top color</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Select background bottom color</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Select the background bitmap</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Gradient Top Color</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Bottom Color</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Use Bitmap</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Static Bitmap</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Add</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Add Key</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Edit</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Edit key</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Remove</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Remove key</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The setup shows at most %1 static bitmaps:/#remove one before adding another.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>tv::TPickerWindow</name>
    <message>
        <source>OK</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>tv::TRecentProjects</name>
    <message>
        <source>Alt+Down: recent projects</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>No recent projects</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Clear List</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>tv::TRunInstallPage</name>
    <message>
        <source>Run Application on Installation</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>tv::TRunListModel</name>
    <message>
        <source>Application</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Argument</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Working Directory</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Message</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Flag</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>tv::TRunPage</name>
    <message>
        <source>Before Installation</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>After Installation</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Add files</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Remove file</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Clear list</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The list holds %1 programs, the most a project keeps./#Nothing was added.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Before Uninstallation</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>After Uninstallation</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>tv::TRunUninstallPage</name>
    <message>
        <source>Run Application on Uninstallation</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>tv::TSetupPreview</name>
    <message>
        <source>Tamrin Installer Velox - Preview</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Escape or a click closes the preview</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>tv::TShortcutsModel</name>
    <message>
        <source>Program Group</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Shortcuts</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Target</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Arguments</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Work Directory</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>tv::TStartPage</name>
    <message>
        <source>Welcome to Tamrin Installer Velox !!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Application Info</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Select the readme file</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Select the license file</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Select the deployment folder</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Select Readme background color</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Select License background color</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Application Name</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Installation folder</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Group Name</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Readme File</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>License file</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Deployment folder</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Windows 95/98</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Windows NT</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Windows 2k</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Include Uninstaller</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Reboot after installation</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Target OS</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Minimum Version</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Ex. 4.0.1111</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Extra disk space</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>KB</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Use password</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Remove references to previous version</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Check Window</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Check Mutex</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Auto select language</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Installation</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Other</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Language</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Text Files (*.txt)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Rich Text Files (*.rtf)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>All Files (*)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Select &quot;Readme&quot; file</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Select &quot;License&quot; file</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Select a folder or create a new one</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>tv::TStaticBMP</name>
    <message>
        <source>Tamrin Installer Velox - Static Bitmap</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>(Right click on bitmap for menu)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Select Bitmap</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Transparent Using Left-Bottom color of bitmap</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Coord. begin: Left-Top</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Coord. begin: Right-Top</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Coord. begin: Left-Bottom</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Coord. begin: Right-Bottom</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Bitmap (*.bmp)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>You have not selected a bitmap yet</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The bitmap&apos;s path may not contain a comma:/#%1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The bitmap&apos;s path holds the character &quot;%1&quot;, which the project cannot keep:/#its texts are in the Windows-1252 character set.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>tv::TStaticBitmapModel</name>
    <message>
        <source>Bitmap</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Coord.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Transp.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>tv::TSystemEditWindow</name>
    <message>
        <source>Add</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Info</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The parameters hold %1 lines:/#a key keeps at most %2.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>tv::TSystemINIEdit</name>
    <message>
        <source>INI Changes</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>INI file</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Section</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Params</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Add parameter :</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>parameter</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>value</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>INI file may not blank, and remember to add a backslash, it won&apos;t be added automatically</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Section may not blank</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Params are Parameters under the Section of INI file</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Format : /c{clnavy}&lt;parameter&gt;=&lt;value&gt;,&lt;flags&gt; /c{clbtntext}</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>/ow{44}/c{clnavy}&lt;parameter&gt; /c{clbtntext}: identifier, eg. PosX</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>/ow{44}/c{clnavy}&lt;value&gt; /c{clbtntext}/ow{24}: the value</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>/ow{44}/c{clnavy}&lt;flags&gt; /c{clbtntext}/ow{27}: flag, NO_LOG and DONT_OVERWRITE</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Sample : /c{clnavy}InstallPath=%InstallPath%</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 may not hold &quot;|&quot;:/#it separates the parts of the INI key.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>That Section already exist, use edit to modify</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The list holds %1 sections, the most a project keeps.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>tv::TSystemPage</name>
    <message>
        <source>  ... and %1 more</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Registry &amp; INI Changes</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Add</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Delete</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Import a .reg file</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Registry</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>INI</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Key</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Parameters</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Add Key</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Edit key</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Remove key</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Clear list</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Values</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The list holds %1 entries, the most a project keeps.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Sure to delete selected key ?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Sure to delete ALL keys ?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Import registry file</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Registry files (*.reg)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>All files (*)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cannot open file %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>These keys are listed already:/#%1/#Merge the imported values into them ?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Not imported:/#%1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Not added, the list holds %1 keys already:/#%2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Not merged, a key holds %1 values at most:/#%2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 holds no keys.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>tv::TSystemRegEdit</name>
    <message>
        <source>Registry Key</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Reg Add</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Key</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Params</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Add parameter :</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>parameter</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>value</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The name of the key should begins with:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Params are Parameters under Registry Key &quot;Key&quot;,</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Format : /c{clnavy}&lt;parameter&gt;=&lt;value&gt;,&lt;type&gt;,&lt;flags&gt; /c{clbtntext}</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>/ow{44}/c{clnavy}&lt;parameter&gt; /c{clbtntext}: identifier, eg. PosX. It is also posible to use subkeys</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>/ow{44}/c{clnavy}&lt;value&gt; /c{clbtntext}/ow{24}: the value; if it is a binary parameter, defined using string contain </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>/ow{116} two-digits Hex which represent one-byte</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>/ow{44}/c{clnavy}&lt;type&gt; /c{clbtntext}/ow{28}: 0=string (REG_SZ), 1=numeric(REG_DWORD), 2=binary (REG_BINARY)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>/ow{44}/c{clnavy}&lt;flags&gt; /c{clbtntext}/ow{27}: flag, NO_LOG and DONT_OVERWRITE</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Add registry key</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Remove registry key</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>That KEY already exist, use edit to modify</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The list holds %1 keys, the most a project keeps.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>tv::TwzAboutForm</name>
    <message>
        <source>About</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Internet: </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Author: </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Support: </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Total memory %1: %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>System</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>OK</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>tv::TwzDialog</name>
    <message>
        <source>Confirmation</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Error</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Information</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Warning</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The character &quot;%1&quot; cannot be stored,/#please use another one</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>tv::TwzDialogForm</name>
    <message>
        <source>&amp;Abort</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;OK</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;No</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Retry</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Yes</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;All</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Ignore</source>
        <translation type="unfinished"></translation>
    </message>
</context>
</TS>
