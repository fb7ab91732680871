<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en_GB" sourcelanguage="en_GB">
<context>
    <name>tolvan::CMainFrame</name>
    <message>
        <source>Talk to the built-in virtual radio instead of a cable</source>
        <translation>Talk to the built-in virtual radio instead of a cable</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>Help</translation>
    </message>
    <message>
        <source>Read Data From Radio
Read</source>
        <translation>Read Data From Radio
Read</translation>
    </message>
    <message>
        <source>Write Data to Radio 
Write</source>
        <translation>Write Data to Radio 
Write</translation>
    </message>
    <message>
        <source>Choose Communication Port one 
Com1</source>
        <translation>Choose Communication Port one 
Com1</translation>
    </message>
    <message>
        <source>Choose Communication Port two 
Com2</source>
        <translation>Choose Communication Port two 
Com2</translation>
    </message>
    <message>
        <source>Choose Communication Port three 
Com3</source>
        <translation>Choose Communication Port three 
Com3</translation>
    </message>
    <message>
        <source>Choose Communication Port four 
Com4</source>
        <translation>Choose Communication Port four 
Com4</translation>
    </message>
    <message>
        <source>Debug TX Power,Squelch Level,Low Power Alert
Debug on line</source>
        <translation>Debug TX Power,Squelch Level,Low Power Alert
Debug on line</translation>
    </message>
    <message>
        <source>Set the rest  functional features for the interphone</source>
        <translation>Set the rest  functional features for the interphone</translation>
    </message>
    <message>
        <source>Assign functions to the side buttons
Key Assignment</source>
        <translation>Assign functions to the side buttons
Key Assignment</translation>
    </message>
    <message>
        <source>Create a new document
New</source>
        <translation>Create a new document
New</translation>
    </message>
    <message>
        <source>Open an existing document
Open</source>
        <translation>Open an existing document
Open</translation>
    </message>
    <message>
        <source>Save the active document
Save</source>
        <translation>Save the active document
Save</translation>
    </message>
    <message>
        <source>Save the active document with a new name
Save As</source>
        <translation>Save the active document with a new name
Save As</translation>
    </message>
    <message>
        <source>Print the active document
Print</source>
        <translation>Print the active document
Print</translation>
    </message>
    <message>
        <source>Display full pages
Print Preview</source>
        <translation>Display full pages
Print Preview</translation>
    </message>
    <message>
        <source>Change the printer and printing options
Print Setup</source>
        <translation>Change the printer and printing options
Print Setup</translation>
    </message>
    <message>
        <source>Quit the application; prompts to save documents
Exit</source>
        <translation>Quit the application; prompts to save documents
Exit</translation>
    </message>
    <message>
        <source>Show or hide the toolbar
Toggle ToolBar</source>
        <translation>Show or hide the toolbar
Toggle ToolBar</translation>
    </message>
    <message>
        <source>Show or hide the status bar
Toggle StatusBar</source>
        <translation>Show or hide the status bar
Toggle StatusBar</translation>
    </message>
    <message>
        <source>List Help topics
Help Topics</source>
        <translation>List Help topics
Help Topics</translation>
    </message>
    <message>
        <source>Display program information, version number and copyright
About</source>
        <translation>Display program information, version number and copyright
About</translation>
    </message>
    <message>
        <source>Display help for clicked on buttons, menus and windows
Help</source>
        <translation>Display help for clicked on buttons, menus and windows
Help</translation>
    </message>
    <message>
        <source>Open this document</source>
        <translation>Open this document</translation>
    </message>
    <message>
        <source>Edit the two-tone signalling tables
Two Tone</source>
        <translation>Edit the two-tone signalling tables
Two Tone</translation>
    </message>
    <message>
        <source>Standard</source>
        <translation>Standard</translation>
    </message>
    <message>
        <source>For Help，Please Press F1</source>
        <translation>For Help，Please Press F1</translation>
    </message>
    <message>
        <source>CAP</source>
        <translation>CAP</translation>
    </message>
    <message>
        <source>NUM</source>
        <translation>NUM</translation>
    </message>
    <message>
        <source>SCRL</source>
        <translation>SCRL</translation>
    </message>
    <message>
        <source>The channel data has changed.
Do you want to save the changes?</source>
        <translation>The channel data has changed.
Do you want to save the changes?</translation>
    </message>
    <message>
        <source>Channel Data (*.sin)</source>
        <translation>Channel Data (*.sin)</translation>
    </message>
    <message>
        <source>Write Data</source>
        <translation>Write Data</translation>
    </message>
    <message>
        <source>Cannot find the help file %1.</source>
        <translation>Cannot find the help file %1.</translation>
    </message>
    <message>
        <source>About Tolvan</source>
        <translation>About Tolvan</translation>
    </message>
    <message>
        <source>Copyright (C) Tolvan</source>
        <translation>Copyright (C) Tolvan</translation>
    </message>
    <message>
        <source>Every read from a radio is also kept in
%1
(the last %2 reads).</source>
        <translation>Every read from a radio is also kept in
%1
(the last %2 reads).</translation>
    </message>
</context>
<context>
    <name>CTolView</name>
    <message>
        <source>Type Setting</source>
        <translation>Type Setting</translation>
    </message>
    <message>
        <source>Type</source>
        <translation>Type</translation>
    </message>
    <message>
        <source>Field</source>
        <translation>Field</translation>
    </message>
    <message>
        <source>Tx Power Rank</source>
        <translation>Tx Power Rank</translation>
    </message>
    <message>
        <source>Manul Setting</source>
        <translation>Manul Setting</translation>
    </message>
    <message>
        <source>Scan Function(16th)</source>
        <translation>Scan Function(16th)</translation>
    </message>
    <message>
        <source>Function Setting</source>
        <translation>Function Setting</translation>
    </message>
    <message>
        <source>Data Password</source>
        <translation>Data Password</translation>
    </message>
    <message>
        <source>Warning</source>
        <translation>Warning</translation>
    </message>
    <message>
        <source>TX Power</source>
        <translation>TX Power</translation>
    </message>
    <message>
        <source>Vox</source>
        <translation>Vox</translation>
    </message>
    <message>
        <source>Time-out Timer</source>
        <translation>Time-out Timer</translation>
    </message>
    <message>
        <source>Squelch Level</source>
        <translation>Squelch Level</translation>
    </message>
    <message>
        <source>Band  Width</source>
        <translation>Band  Width</translation>
    </message>
    <message>
        <source>Side Button</source>
        <translation>Side Button</translation>
    </message>
</context>
</TS>
