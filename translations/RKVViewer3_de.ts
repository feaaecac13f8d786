<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de_DE">
<context>
    <name>ColorFile</name>
    <message>
        <source>RKV3 Color(*.RKL)|*.RKL</source>
        <translation>RKV3-Farbe(*.RKL)|*.RKL</translation>
    </message>
</context>
<context>
    <name>FillToolButton</name>
    <message>
        <source>Fill Tool (%1)</source>
        <translation>Füllwerkzeug (%1)</translation>
    </message>
</context>
<context>
    <name>MaterialPreview</name>
    <message>
        <source>Render Preview (%1)</source>
        <translation>Darstellungsvorschau (%1)</translation>
    </message>
    <message>
        <source>Paint</source>
        <translation>Lack</translation>
    </message>
    <message>
        <source>Glass</source>
        <translation>Glas</translation>
    </message>
    <message>
        <source>Rubber</source>
        <translation>Gummi</translation>
    </message>
    <message>
        <source>Metallic</source>
        <translation>Metallic</translation>
    </message>
</context>
<context>
    <name>PanelSplitHandle</name>
    <message>
        <source>Drag to share the room between the palette and the region list</source>
        <translation>Ziehen, um den Platz zwischen der Palette und den Farbbereichen aufzuteilen</translation>
    </message>
</context>
<context>
    <name>Platform::PrintPreviewWindow</name>
    <message>
        <source>Print Preview</source>
        <translation>Druckvorschau</translation>
    </message>
    <message>
        <source>Previous Sheet</source>
        <translation>Vorheriges Blatt</translation>
    </message>
    <message>
        <source>Next Sheet</source>
        <translation>Nächstes Blatt</translation>
    </message>
    <message>
        <source>Whole Sheet</source>
        <translation>Ganzes Blatt</translation>
    </message>
    <message>
        <source>Fit Width</source>
        <translation>Seitenbreite</translation>
    </message>
    <message>
        <source>Zoom In</source>
        <translation>Vergrößern</translation>
    </message>
    <message>
        <source>Zoom Out</source>
        <translation>Verkleinern</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Schließen</translation>
    </message>
    <message>
        <source>  Sheet %1 of %2  </source>
        <translation>  Blatt %1 von %2  </translation>
    </message>
</context>
<context>
    <name>PrintImage</name>
    <message>
        <source>50 mm</source>
        <translation>50 mm</translation>
    </message>
    <message>
        <source>2 in</source>
        <translation>2 in</translation>
    </message>
    <message>
        <source>Part: row %1 of %2, column %3 of %4</source>
        <translation>Part: row %1 of %2, column %3 of %4</translation>
    </message>
    <message>
        <source>Not at true size: scaled to %1%</source>
        <translation>Not at true size: scaled to %1%</translation>
    </message>
</context>
<context>
    <name>PrintLayout</name>
    <message>
        <source>H Tiles: %1 / V Tiles: %2</source>
        <translation>H-Kacheln: %1 / V-Kacheln: %2</translation>
    </message>
    <message>
        <source>RKV3Printer (Part Size: %1x%2%3)</source>
        <translation>RKV3Printer (Teilgröße: %1x%2%3)</translation>
    </message>
</context>
<context>
    <name>PrintSheetChoices</name>
    <message>
        <source>Sheets: %1 x %2 per page</source>
        <translation>Blätter: %1 x %2 pro Seite</translation>
    </message>
    <message>
        <source>The sheet has no room for a part of the page.</source>
        <translation>Auf dem Blatt ist kein Platz für einen Teil der Seite.</translation>
    </message>
    <message>
        <source>The overlap cannot be negative.</source>
        <translation>Die Überlappung darf nicht negativ sein.</translation>
    </message>
    <message>
        <source>The overlap (%1) must be shorter than a part (%2).</source>
        <translation>Die Überlappung (%1) muss kürzer sein als ein Teil (%2).</translation>
    </message>
    <message>
        <source>The page would need more than %1 sheets; choose a smaller overlap.</source>
        <translation>Die Seite bräuchte mehr als %1 Blätter; wählen Sie eine kleinere Überlappung.</translation>
    </message>
    <message>
        <source>The page is larger than the sheet: part of it will be cut off. Choose Split Across Sheets, or Center On Page with Fit to Sheet.</source>
        <translation>Die Seite ist größer als das Blatt: Ein Teil wird abgeschnitten. Wählen Sie „Auf Blätter aufteilen“ oder „Auf Seite zentrieren“ mit „An Blatt anpassen“.</translation>
    </message>
</context>
<context>
    <name>RKV3CanvasCtl</name>
    <message>
        <source>Invalid printer selected.</source>
        <translation>Ungültiger Drucker ausgewählt.</translation>
    </message>
    <message>
        <source>There was an error while attempting to print.</source>
        <translation>Beim Drucken ist ein Fehler aufgetreten.</translation>
    </message>
    <message>
        <source>Error Loading Bytemaps</source>
        <translation>Fehler beim Laden der Bytemaps</translation>
    </message>
</context>
<context>
    <name>dlgColor</name>
    <message>
        <source>Color has been modified. Save changes?</source>
        <translation>Die Farbe wurde geändert. Änderungen speichern?</translation>
    </message>
    <message>
        <source>Current Color (Click swatch to change)</source>
        <translation>Aktuelle Farbe (zum Ändern auf das Farbfeld klicken)</translation>
    </message>
    <message>
        <source>Click to choose the color</source>
        <translation>Klicken, um die Farbe zu wählen</translation>
    </message>
    <message>
        <source>(Color Name)</source>
        <translation>(Farbname)</translation>
    </message>
    <message>
        <source>Blend Offset</source>
        <translation>Abstufung</translation>
    </message>
    <message>
        <source>Darker</source>
        <translation>Dunkler</translation>
    </message>
    <message>
        <source>Lighter</source>
        <translation>Heller</translation>
    </message>
    <message>
        <source>Render Preview (Paint)</source>
        <translation>Darstellungsvorschau (Lack)</translation>
    </message>
    <message>
        <source>Previous Material</source>
        <translation>Vorheriges Material</translation>
    </message>
    <message>
        <source>Next Material</source>
        <translation>Nächstes Material</translation>
    </message>
    <message>
        <source>Color Editor</source>
        <translation>Farbeditor</translation>
    </message>
    <message>
        <source>Save RKV3 Color</source>
        <translation>RKV3-Farbe speichern</translation>
    </message>
    <message>
        <source>Error saving color.</source>
        <translation>Fehler beim Speichern der Farbe.</translation>
    </message>
    <message>
        <source>Load RKV3 Color</source>
        <translation>RKV3-Farbe laden</translation>
    </message>
    <message>
        <source>Invalid file.</source>
        <translation>Ungültige Datei.</translation>
    </message>
    <message>
        <source>&amp;Save Color</source>
        <translation>Farbe &amp;speichern</translation>
    </message>
    <message>
        <source>&amp;Load Color</source>
        <translation>Farbe &amp;laden</translation>
    </message>
    <message>
        <source>&amp;OK</source>
        <translation>&amp;OK</translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
        <translation>&amp;Abbrechen</translation>
    </message>
</context>
<context>
    <name>dlgPrint</name>
    <message>
        <source>Select Printer</source>
        <translation>Drucker auswählen</translation>
    </message>
    <message>
        <source>Print Quality</source>
        <translation>Druckqualität</translation>
    </message>
    <message>
        <source>Draft</source>
        <translation>Entwurf</translation>
    </message>
    <message>
        <source>Low</source>
        <translation>Niedrig</translation>
    </message>
    <message>
        <source>Normal</source>
        <translation>Normal</translation>
    </message>
    <message>
        <source>Best</source>
        <translation>Beste</translation>
    </message>
    <message>
        <source>Print Quantity</source>
        <translation>Anzahl der Exemplare</translation>
    </message>
    <message>
        <source>Paper Size Choices</source>
        <translation>Papierformat</translation>
    </message>
    <message>
        <source>US Letter (8.5x11 inches)</source>
        <translation>US Letter (8,5x11 Zoll)</translation>
    </message>
    <message>
        <source>ISO A4 (210x297mm)</source>
        <translation>ISO A4 (210x297 mm)</translation>
    </message>
    <message>
        <source>Printing Options</source>
        <translation>Druckoptionen</translation>
    </message>
    <message>
        <source>Tile On Page</source>
        <translation>Auf Seiten kacheln</translation>
    </message>
    <message>
        <source>Center On Page</source>
        <translation>Auf Seite zentrieren</translation>
    </message>
    <message>
        <source>H Tiles: Unspecified  V Tiles: Unspecified</source>
        <translation>H-Kacheln: Unbekannt  V-Kacheln: Unbekannt</translation>
    </message>
    <message>
        <source>Printer Properties</source>
        <translation>Druckereigenschaften</translation>
    </message>
    <message>
        <source>Print Width: Unspecified</source>
        <translation>Druckbreite: Unbekannt</translation>
    </message>
    <message>
        <source>Print Height: Unspecified</source>
        <translation>Druckhöhe: Unbekannt</translation>
    </message>
    <message>
        <source>Left Margin: Unspecified</source>
        <translation>Linker Rand: Unbekannt</translation>
    </message>
    <message>
        <source>Top Margin: Unspecified</source>
        <translation>Oberer Rand: Unbekannt</translation>
    </message>
    <message>
        <source>Right Margin: Unspecified</source>
        <translation>Rechter Rand: Unbekannt</translation>
    </message>
    <message>
        <source>Bottom Margin: Unspecified</source>
        <translation>Unterer Rand: Unbekannt</translation>
    </message>
    <message>
        <source>Custom Margins</source>
        <translation>Eigene Ränder</translation>
    </message>
    <message>
        <source>Idle</source>
        <translation>Bereit</translation>
    </message>
    <message>
        <source>Page %v of %m</source>
        <translation>Seite %v von %m</translation>
    </message>
    <message>
        <source>Error: Could not set selected printer.</source>
        <translation>Fehler: Der ausgewählte Drucker konnte nicht eingestellt werden.</translation>
    </message>
    <message>
        <source>Error</source>
        <translation>Fehler</translation>
    </message>
    <message>
        <source>Print Width: </source>
        <translation>Druckbreite: </translation>
    </message>
    <message>
        <source>Print Height: </source>
        <translation>Druckhöhe: </translation>
    </message>
    <message>
        <source>Left Margin: </source>
        <translation>Linker Rand: </translation>
    </message>
    <message>
        <source>Top Margin: </source>
        <translation>Oberer Rand: </translation>
    </message>
    <message>
        <source>Right Margin: </source>
        <translation>Rechter Rand: </translation>
    </message>
    <message>
        <source>Bottom Margin: </source>
        <translation>Unterer Rand: </translation>
    </message>
    <message>
        <source>Print To PDF File</source>
        <translation>In PDF-Datei drucken</translation>
    </message>
    <message>
        <source>PDF Document(*.pdf)|*.pdf</source>
        <translation>PDF-Dokument(*.pdf)|*.pdf</translation>
    </message>
    <message>
        <source>Previewing Page</source>
        <translation>Vorschau der Seite</translation>
    </message>
    <message>
        <source>Printing Page</source>
        <translation>Seite wird gedruckt</translation>
    </message>
    <message>
        <source>Previewing Page %1</source>
        <translation>Vorschau von Seite %1</translation>
    </message>
    <message>
        <source>Printing Page %1</source>
        <translation>Seite %1 wird gedruckt</translation>
    </message>
    <message>
        <source>These pages were not printed: %1.</source>
        <translation>Diese Seiten wurden nicht gedruckt: %1.</translation>
    </message>
    <message>
        <source>Save Image</source>
        <translation>Bild speichern</translation>
    </message>
    <message>
        <source>Windows Bitmap(*.BMP)|*.BMP</source>
        <translation>Windows-Bitmap(*.BMP)|*.BMP</translation>
    </message>
    <message>
        <source>Saving Image</source>
        <translation>Bild wird gespeichert</translation>
    </message>
    <message>
        <source>Error saving image.</source>
        <translation>Fehler beim Speichern des Bildes.</translation>
    </message>
    <message>
        <source>Big Pages</source>
        <translation>Große Seiten</translation>
    </message>
    <message>
        <source>Split Across Sheets</source>
        <translation>Auf Blätter aufteilen</translation>
    </message>
    <message>
        <source>Overlap</source>
        <translation>Überlappung</translation>
    </message>
    <message>
        <source>Fit to Sheet</source>
        <translation>An Blatt anpassen</translation>
    </message>
    <message>
        <source>Scale Bar</source>
        <translation>Maßstabsleiste</translation>
    </message>
    <message>
        <source>A 50 mm and a 2 in bar in the footer of every sheet, to check the printed size</source>
        <translation>Eine 50-mm- und eine 2-Zoll-Leiste in der Fußzeile jedes Blatts, um die gedruckte Größe zu prüfen</translation>
    </message>
    <message>
        <source>Sheets: Unspecified</source>
        <translation>Blätter: Unbekannt</translation>
    </message>
    <message>
        <source>&amp;Print</source>
        <translation>&amp;Drucken</translation>
    </message>
    <message>
        <source>P&amp;review</source>
        <translation>&amp;Vorschau</translation>
    </message>
    <message>
        <source>&amp;Save Image To Disk</source>
        <translation>&amp;Bild auf Datenträger speichern</translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
        <translation>&amp;Abbrechen</translation>
    </message>
</context>
<context>
    <name>frmAbout</name>
    <message>
        <source>Copyright © 2026 the RKVViewer3 developers.
This program, its canvas library, its help texts and its sample model may be copied and passed on freely, unchanged and free of charge, together with this notice. They are provided as they are, without warranty of any kind; you use them at your own risk.</source>
        <translation>Copyright © 2026 die Entwickler von RKVViewer3.
Dieses Programm, seine Zeichenflächen-Bibliothek, seine Hilfetexte und sein Beispielmodell dürfen zusammen mit diesem Hinweis unverändert und kostenlos frei kopiert und weitergegeben werden. Sie werden so bereitgestellt, wie sie sind, ohne jede Gewährleistung; die Nutzung erfolgt auf eigene Gefahr.</translation>
    </message>
    <message>
        <source>RKVViewer3 is written and kept by the RKVViewer3 developers.<byte value="xd"/>
<byte value="xd"/>
The page canvas, the color editor with its material preview, the print layout, the help texts and the Cottage sample model, its palettes, schemes and colors were all made for this program; the sample model is drawn by our own model generator.<byte value="xd"/>
<byte value="xd"/>
Built with the Qt toolkit, version %1, used under the GNU Lesser General Public License, version 3.<byte value="xd"/>
<byte value="xd"/>
Thanks to everyone who builds, colors and prints paper models, and tells us what would make the next version better.</source>
        <translation>RKVViewer3 wird von den Entwicklern von RKVViewer3 geschrieben und gepflegt.<byte value="xd"/>
<byte value="xd"/>
Die Zeichenfläche für die Seiten, der Farbeditor mit seiner Materialvorschau, das Drucklayout, die Hilfetexte und das Beispielmodell Cottage mit seinen Paletten, Farbschemata und Farben wurden eigens für dieses Programm geschaffen; das Beispielmodell zeichnet unser eigener Modellgenerator.<byte value="xd"/>
<byte value="xd"/>
Erstellt mit dem Qt-Toolkit, Version %1, verwendet unter der GNU Lesser General Public License, Version 3.<byte value="xd"/>
<byte value="xd"/>
Dank an alle, die Papiermodelle bauen, bemalen und drucken und uns sagen, was die nächste Version besser machen würde.</translation>
    </message>
    <message>
        <source>RKVViewer 3 for %1</source>
        <translation>RKVViewer 3 für %1</translation>
    </message>
    <message>
        <source>Credits and Acknowledgements</source>
        <translation>Mitwirkende und Danksagungen</translation>
    </message>
    <message>
        <source>About %1</source>
        <translation>Über %1</translation>
    </message>
    <message>
        <source>Version %1.%2.%3</source>
        <translation>Version %1.%2.%3</translation>
    </message>
</context>
<context>
    <name>frmHelp</name>
    <message>
        <source>Help Contents</source>
        <translation>Hilfe – Inhalt</translation>
    </message>
    <message>
        <source>Help Topics</source>
        <translation>Hilfethemen</translation>
    </message>
    <message>
        <source>Contents</source>
        <translation>Inhalt</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Schließen</translation>
    </message>
</context>
<context>
    <name>frmMain</name>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Datei</translation>
    </message>
    <message>
        <source>&amp;Open</source>
        <translation>&amp;Öffnen</translation>
    </message>
    <message>
        <source>&amp;Close</source>
        <translation>S&amp;chließen</translation>
    </message>
    <message>
        <source>&amp;Print Current Page</source>
        <translation>Aktuelle Seite &amp;drucken</translation>
    </message>
    <message>
        <source>Print &amp;All Pages</source>
        <translation>&amp;Alle Seiten drucken</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>&amp;Beenden</translation>
    </message>
    <message>
        <source>&amp;Edit</source>
        <translation>&amp;Bearbeiten</translation>
    </message>
    <message>
        <source>&amp;Options</source>
        <translation>&amp;Optionen</translation>
    </message>
    <message>
        <source>&amp;Prompt to Save Changes</source>
        <translation>Vor dem Verwerfen von Änderungen &amp;nachfragen</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>&amp;Hilfe</translation>
    </message>
    <message>
        <source>&amp;Contents</source>
        <translation>&amp;Inhalt</translation>
    </message>
    <message>
        <source>&amp;About</source>
        <translation>&amp;Über</translation>
    </message>
    <message>
        <source>Palette has been modified. Save changes?</source>
        <translation>Die Palette wurde geändert. Änderungen speichern?</translation>
    </message>
    <message>
        <source>Scheme has been modified. Save changes?</source>
        <translation>Das Farbschema wurde geändert. Änderungen speichern?</translation>
    </message>
    <message>
        <source>Prev</source>
        <translation>Zurück</translation>
    </message>
    <message>
        <source>Previous page</source>
        <translation>Vorherige Seite</translation>
    </message>
    <message>
        <source>Current Page</source>
        <translation>Aktuelle Seite</translation>
    </message>
    <message>
        <source>Next</source>
        <translation>Weiter</translation>
    </message>
    <message>
        <source>Next page</source>
        <translation>Nächste Seite</translation>
    </message>
    <message>
        <source>Zoom Level</source>
        <translation>Zoomstufe</translation>
    </message>
    <message>
        <source>Color Region Management</source>
        <translation>Farbbereiche verwalten</translation>
    </message>
    <message>
        <source>Palette Color List</source>
        <translation>Farben der Palette</translation>
    </message>
    <message>
        <source>Load Palette</source>
        <translation>Palette laden</translation>
    </message>
    <message>
        <source>Save Palette</source>
        <translation>Palette speichern</translation>
    </message>
    <message>
        <source>Palette: None Loaded</source>
        <translation>Palette: Keine geladen</translation>
    </message>
    <message>
        <source>Model Color Region List</source>
        <translation>Farbbereiche des Modells</translation>
    </message>
    <message>
        <source>Load Scheme</source>
        <translation>Schema laden</translation>
    </message>
    <message>
        <source>Save Scheme</source>
        <translation>Schema speichern</translation>
    </message>
    <message>
        <source>Scheme: None Loaded</source>
        <translation>Schema: Keines geladen</translation>
    </message>
    <message>
        <source>Color Name</source>
        <translation>Farbname</translation>
    </message>
    <message>
        <source>Model load failed due to invalid RKV3 manifest file.</source>
        <translation>Das Modell konnte nicht geladen werden: Die RKV3-Manifestdatei ist ungültig.</translation>
    </message>
    <message>
        <source>RKVViewer 3 requires a system color depth of 24 bits per pixel or higher to display page data. Please increase your system color depth to 24 bits per pixel.</source>
        <translation>RKVViewer 3 benötigt zur Anzeige der Seitendaten eine Farbtiefe von mindestens 24 Bit pro Pixel. Bitte erhöhen Sie die Farbtiefe Ihres Systems auf 24 Bit pro Pixel.</translation>
    </message>
    <message>
        <source>Cannot load model</source>
        <translation>Modell kann nicht geladen werden</translation>
    </message>
    <message>
        <source>Page %1/%2</source>
        <translation>Seite %1/%2</translation>
    </message>
    <message>
        <source>Scheme: %1</source>
        <translation>Schema: %1</translation>
    </message>
    <message>
        <source>Scheme: Default Gray</source>
        <translation>Schema: Standardgrau</translation>
    </message>
    <message>
        <source>RKV3 Palette(*.RPL)|*.RPL</source>
        <translation>RKV3-Palette(*.RPL)|*.RPL</translation>
    </message>
    <message>
        <source>RKV3 ColorScheme(*.RKS3)|*.RKS3</source>
        <translation>RKV3-Farbschema(*.RKS3)|*.RKS3</translation>
    </message>
    <message>
        <source>RKV3 Color Scheme(*.RKS3)|*.RKS3</source>
        <translation>RKV3-Farbschema(*.RKS3)|*.RKS3</translation>
    </message>
    <message>
        <source>Not Used</source>
        <translation>Nicht verwendet</translation>
    </message>
    <message>
        <source>Not used</source>
        <translation>Nicht verwendet</translation>
    </message>
    <message>
        <source>Edit Palette Color</source>
        <translation>Palettenfarbe bearbeiten</translation>
    </message>
    <message>
        <source>Enter new color name:</source>
        <translation>Neuen Farbnamen eingeben:</translation>
    </message>
    <message>
        <source>Rename Color</source>
        <translation>Farbe umbenennen</translation>
    </message>
    <message>
        <source>Color %1</source>
        <translation>%1 färben</translation>
    </message>
    <message>
        <source>Region %1</source>
        <translation>Bereich %1</translation>
    </message>
    <message>
        <source>Palette: %1</source>
        <translation>Palette: %1</translation>
    </message>
    <message>
        <source>Save Color Palette</source>
        <translation>Farbpalette speichern</translation>
    </message>
    <message>
        <source>Load Color Scheme</source>
        <translation>Farbschema laden</translation>
    </message>
    <message>
        <source>Save Color Scheme</source>
        <translation>Farbschema speichern</translation>
    </message>
    <message>
        <source>Open &amp;Recent</source>
        <translation>&amp;Zuletzt geöffnet</translation>
    </message>
    <message>
        <source>Clear List</source>
        <translation>Liste leeren</translation>
    </message>
    <message>
        <source>Zoom Out</source>
        <translation>Verkleinern</translation>
    </message>
    <message>
        <source>Zoom In</source>
        <translation>Vergrößern</translation>
    </message>
    <message>
        <source>Pan/Drag Tool</source>
        <translation>Verschiebewerkzeug</translation>
    </message>
    <message>
        <source>Region Inspector</source>
        <translation>Bereichsinspektor</translation>
    </message>
    <message>
        <source>Region Inspector: Inactive</source>
        <translation>Bereichsinspektor: Inaktiv</translation>
    </message>
    <message>
        <source>Region Inspector: Paper Color</source>
        <translation>Bereichsinspektor: Papierfarbe</translation>
    </message>
    <message>
        <source>Region Inspector: %1 (%2)</source>
        <translation>Bereichsinspektor: %1 (%2)</translation>
    </message>
    <message>
        <source>&amp;Undo</source>
        <translation>&amp;Rückgängig</translation>
    </message>
    <message>
        <source>&amp;Redo</source>
        <translation>&amp;Wiederholen</translation>
    </message>
    <message>
        <source>&amp;View</source>
        <translation>&amp;Ansicht</translation>
    </message>
    <message>
        <source>Fit &amp;Page</source>
        <translation>&amp;Ganze Seite</translation>
    </message>
    <message>
        <source>Fit &amp;Width</source>
        <translation>Seiten&amp;breite</translation>
    </message>
    <message>
        <source>&amp;Actual Size</source>
        <translation>&amp;Originalgröße</translation>
    </message>
    <message>
        <source>Zoom &amp;In</source>
        <translation>&amp;Vergrößern</translation>
    </message>
    <message>
        <source>Zoom &amp;Out</source>
        <translation>Ver&amp;kleinern</translation>
    </message>
    <message>
        <source>&amp;Find Region...</source>
        <translation>Bereich &amp;suchen...</translation>
    </message>
    <message>
        <source>Type part of a region&apos;s name, then choose the region:</source>
        <translation>Geben Sie einen Teil des Bereichsnamens ein und wählen Sie dann den Bereich:</translation>
    </message>
    <message>
        <source>Find Region</source>
        <translation>Bereich suchen</translation>
    </message>
    <message>
        <source>%1 is on none of the model&apos;s pages.</source>
        <translation>%1 ist auf keiner Seite des Modells.</translation>
    </message>
</context>
<context>
    <name>mdlRKVUtilities</name>
    <message>
        <source>Error loading palette.</source>
        <translation>Fehler beim Laden der Palette.</translation>
    </message>
    <message>
        <source>Error saving palette.</source>
        <translation>Fehler beim Speichern der Palette.</translation>
    </message>
    <message>
        <source>Error loading color scheme.</source>
        <translation>Fehler beim Laden des Farbschemas.</translation>
    </message>
    <message>
        <source>Error saving color scheme.</source>
        <translation>Fehler beim Speichern des Farbschemas.</translation>
    </message>
    <message>
        <source>Open Model</source>
        <translation>Modell öffnen</translation>
    </message>
    <message>
        <source>RKV3 Model(*.RKV3)|*.RKV3</source>
        <translation>RKV3-Modell(*.RKV3)|*.RKV3</translation>
    </message>
    <message>
        <source>Model load failed due to invalid RKV3 manifest file.</source>
        <translation>Das Modell konnte nicht geladen werden: Die RKV3-Manifestdatei ist ungültig.</translation>
    </message>
    <message>
        <source>Page load failed due to invalid RKO file structure.</source>
        <translation>Die Seite konnte nicht geladen werden: Der Aufbau der RKO-Datei ist ungültig.</translation>
    </message>
</context>
</TS>
