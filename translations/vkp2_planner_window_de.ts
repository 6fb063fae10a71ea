<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de_DE">
<context>
    <name>KitEntry</name>
    <message>
        <source>Colour</source>
        <translation>Farbe</translation>
    </message>
    <message>
        <source>Mono</source>
        <translation>Mono</translation>
    </message>
    <message>
        <source>Unknown</source>
        <translation>Unbekannt</translation>
    </message>
    <message>
        <source>&amp;Cameras</source>
        <translation>&amp;Kameras</translation>
    </message>
    <message>
        <source>&amp;Barlows and reducers</source>
        <translation>&amp;Barlowlinsen und Reducer</translation>
    </message>
    <message>
        <source>E&amp;yepieces</source>
        <translation>&amp;Okulare</translation>
    </message>
    <message>
        <source>&amp;Telescopes</source>
        <translation>&amp;Teleskope</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Name</translation>
    </message>
    <message>
        <source>Pixel (µm)</source>
        <translation>Pixel (µm)</translation>
    </message>
    <message>
        <source>Sensor (px)</source>
        <translation>Sensor (px)</translation>
    </message>
    <message>
        <source>Binning</source>
        <translation>Binning</translation>
    </message>
    <message>
        <source>Factor</source>
        <translation>Faktor</translation>
    </message>
    <message>
        <source>Focal length (mm)</source>
        <translation>Brennweite (mm)</translation>
    </message>
    <message>
        <source>Design spacing (mm)</source>
        <translation>Design-Abstand (mm)</translation>
    </message>
    <message>
        <source>Apparent field (°)</source>
        <translation>Eigengesichtsfeld (°)</translation>
    </message>
    <message>
        <source>Field stop (mm)</source>
        <translation>Feldblende (mm)</translation>
    </message>
    <message>
        <source>Aperture (mm)</source>
        <translation>Öffnung (mm)</translation>
    </message>
</context>
<context>
    <name>NightWords</name>
    <message>
        <source>1 px (%1)</source>
        <translation>1 px (%1)</translation>
    </message>
    <message>
        <source>the Dawes limit (%1)</source>
        <translation>die Dawes-Grenze (%1)</translation>
    </message>
    <message>
        <source>no limit</source>
        <translation>keine Grenze</translation>
    </message>
    <message>
        <source>%1 h</source>
        <translation>%1 h</translation>
    </message>
    <message>
        <source>%1 s</source>
        <translation>%1 s</translation>
    </message>
    <message>
        <source>%1 min %2 s</source>
        <translation>%1 min %2 s</translation>
    </message>
    <message>
        <source>%1 h %2 min</source>
        <translation>%1 h %2 min</translation>
    </message>
    <message>
        <source>%1 on %2: %3, %4 % of the way from its smallest to its largest</source>
        <translation>%1 am %2: %3, %4 % des Wegs von der kleinsten zur größten Größe</translation>
    </message>
    <message>
        <source>Rings: %1 × %2, opening B %3°</source>
        <translation>Ringe: %1 × %2, Ringöffnung B %3°</translation>
    </message>
    <message>
        <source>Longest capture before rotation blurs by %1: %2; derotation (WinJUPOS) extends it</source>
        <translation>Längste Aufnahme, bevor die Rotation um %1 verwischt: %2; Derotation (WinJUPOS) verlängert sie</translation>
    </message>
    <message>
        <source>Mosaic: %1 × %2 grid, %3 panes</source>
        <translation>Mosaik: Raster %1 × %2, %3 Felder</translation>
    </message>
    <message>
        <source>Mosaic: none; %1</source>
        <translation>Mosaik: keines; %1</translation>
    </message>
    <message>
        <source>Rayleigh limit at %1 nm: %2</source>
        <translation>Rayleigh-Grenze bei %1 nm: %2</translation>
    </message>
    <message>
        <source>Seeing: %1, %2</source>
        <translation>Seeing: %1, %2</translation>
    </message>
    <message>
        <source>Seeing: %1</source>
        <translation>Seeing: %1</translation>
    </message>
</context>
<context>
    <name>OpenInCalculator</name>
    <message>
        <source>no %1 beside the planner or on the PATH</source>
        <translation>kein %1 neben dem Planer oder im PATH</translation>
    </message>
    <message>
        <source>%1 did not start</source>
        <translation>%1 ist nicht gestartet</translation>
    </message>
    <message>
        <source>A calculator is running already; close it and try again. Nothing was written.</source>
        <translation>Ein Rechner läuft bereits; schließen Sie ihn und versuchen Sie es erneut. Nichts wurde geschrieben.</translation>
    </message>
    <message>
        <source>The setup could not be written to %1.</source>
        <translation>Das Setup konnte nicht nach %1 geschrieben werden.</translation>
    </message>
    <message>
        <source>The calculator was started with this setup (%1).</source>
        <translation>Der Rechner wurde mit diesem Setup gestartet (%1).</translation>
    </message>
    <message>
        <source>The setup was written to %1, but the calculator could not be started: %2.</source>
        <translation>Das Setup wurde nach %1 geschrieben, aber der Rechner konnte nicht gestartet werden: %2.</translation>
    </message>
</context>
<context>
    <name>QObject</name>
    <message>
        <source>%1 on the date</source>
        <translation>%1 am Datum</translation>
    </message>
    <message>
        <source>nothing was produced to write</source>
        <translation>es wurde nichts zum Schreiben erzeugt</translation>
    </message>
</context>
<context>
    <name>SetupPanelMnemonic</name>
    <message>
        <source>Telescope</source>
        <translation>Teleskop</translation>
    </message>
    <message>
        <source>ngth</source>
        <translation>rennweite</translation>
    </message>
    <message>
        <source>Aperture</source>
        <translation>ffnung</translation>
    </message>
    <message>
        <source>Ocular</source>
        <translation>Okular</translation>
    </message>
    <message>
        <source>L</source>
        <translation>L</translation>
    </message>
    <message>
        <source>D</source>
        <translation>mm</translation>
    </message>
    <message>
        <source>mera</source>
        <translation>Kamera</translation>
    </message>
    <message>
        <source>width</source>
        <translation>breite</translation>
    </message>
    <message>
        <source>xel</source>
        <translation>xelhöhe</translation>
    </message>
    <message>
        <source>idth</source>
        <translation>Chipbreite</translation>
    </message>
    <message>
        <source>eight</source>
        <translation>e (px)</translation>
    </message>
    <message>
        <source>Binning</source>
        <translation>inning</translation>
    </message>
</context>
<context>
    <name>TrainChoices</name>
    <message>
        <source>%1 in projection</source>
        <translation>%1 in Projektion</translation>
    </message>
    <message>
        <source>%1 (typed)</source>
        <translation>%1 (eingegeben)</translation>
    </message>
    <message>
        <source>%1 + %2</source>
        <translation>%1 + %2</translation>
    </message>
    <message>
        <source>%1, D %2 mm</source>
        <translation>%1, D %2 mm</translation>
    </message>
    <message>
        <source>%1, spacing %2 mm</source>
        <translation>%1, Abstand %2 mm</translation>
    </message>
    <message>
        <source>%1, projection distance %2 mm</source>
        <translation>%1, Projektionsabstand %2 mm</translation>
    </message>
    <message>
        <source>%1 (prime focus)</source>
        <translation>%1 (Primärfokus)</translation>
    </message>
    <message>
        <source>%1 at prime focus, fixed</source>
        <translation>%1 im Primärfokus, fest</translation>
    </message>
    <message>
        <source>%1, fixed</source>
        <translation>%1, fest</translation>
    </message>
</context>
<context>
    <name>vkp2::planner_window::DatabaseSearch</name>
    <message>
        <source>Add from the database: %1</source>
        <translation>Aus der Datenbank hinzufügen: %1</translation>
    </message>
    <message>
        <source>Search the database</source>
        <translation>Datenbank durchsuchen</translation>
    </message>
    <message>
        <source>Maker or model, e.g. “asi 462”</source>
        <translation>Hersteller oder Modell, z. B. „asi 462“</translation>
    </message>
    <message>
        <source>&amp;Search:</source>
        <translation>&amp;Suche:</translation>
    </message>
    <message>
        <source>Matches</source>
        <translation>Treffer</translation>
    </message>
    <message>
        <source>&amp;Matches:</source>
        <translation>&amp;Treffer:</translation>
    </message>
    <message>
        <source>Number of matches</source>
        <translation>Anzahl der Treffer</translation>
    </message>
    <message>
        <source>Last added</source>
        <translation>Zuletzt hinzugefügt</translation>
    </message>
    <message>
        <source>&amp;Add to the kit</source>
        <translation>Zur Ausrüstung &amp;hinzufügen</translation>
    </message>
    <message numerus="yes">
        <source>Type part of a name: %n entries to search.</source>
        <translation>
            <numerusform>Geben Sie einen Teil eines Namens ein: %n Eintrag zu durchsuchen.</numerusform>
            <numerusform>Geben Sie einen Teil eines Namens ein: %n Einträge zu durchsuchen.</numerusform>
        </translation>
    </message>
    <message>
        <source>%1 matches; the first %2 are shown.</source>
        <translation>%1 Treffer; die ersten %2 werden gezeigt.</translation>
    </message>
    <message>
        <source>1 match.</source>
        <translation>1 Treffer.</translation>
    </message>
    <message>
        <source>%1 matches.</source>
        <translation>%1 Treffer.</translation>
    </message>
</context>
<context>
    <name>vkp2::planner_window::ElementPanel</name>
    <message>
        <source>Element</source>
        <translation>Element</translation>
    </message>
    <message>
        <source>VKP-2 only</source>
        <translation>Nur VKP-2</translation>
    </message>
    <message>
        <source>Barlow</source>
        <translation>Barlowlinse</translation>
    </message>
    <message>
        <source>Reducer</source>
        <translation>Reducer</translation>
    </message>
    <message>
        <source>Eyepiece projection</source>
        <translation>Okularprojektion</translation>
    </message>
    <message>
        <source>Afocal</source>
        <translation>Afokal</translation>
    </message>
    <message>
        <source>Element type</source>
        <translation>Elementtyp</translation>
    </message>
    <message>
        <source>Element from the kit</source>
        <translation>Element aus der Ausrüstung</translation>
    </message>
    <message>
        <source>at the design spacing</source>
        <translation>beim Design-Abstand</translation>
    </message>
    <message>
        <source>Where the element sits</source>
        <translation>Wo das Element sitzt</translation>
    </message>
    <message>
        <source>Element problem</source>
        <translation>Problem mit dem Element</translation>
    </message>
    <message>
        <source>Element t&amp;ype:</source>
        <translation>Elementt&amp;yp:</translation>
    </message>
    <message>
        <source>&amp;Pick from the kit:</source>
        <translation>Aus der A&amp;usrüstung:</translation>
    </message>
    <message>
        <source>Typed values</source>
        <translation>Eingegebene Werte</translation>
    </message>
    <message>
        <source>The lens alone at prime focus (ocular %1).</source>
        <translation>Die Linse allein im Primärfokus (Okular %1).</translation>
    </message>
    <message>
        <source>The lens in front of the VKP-2 ocular %1; choose the ocular %2 for the lens alone.</source>
        <translation>Die Linse vor dem VKP-2-Okular %1; wählen Sie das Okular %2 für die Linse allein.</translation>
    </message>
    <message>
        <source>In the VKP-2&apos;s place: its ocular and distances are not used.</source>
        <translation>Anstelle des VKP-2: sein Okular und seine Abstände werden nicht verwendet.</translation>
    </message>
    <message>
        <source>%1: “%2” is not a number.</source>
        <translation>%1: „%2“ ist keine Zahl.</translation>
    </message>
</context>
<context>
    <name>vkp2::planner_window::FocalChart</name>
    <message>
        <source>Focal ratio against %1</source>
        <translation>Öffnungsverhältnis über %1</translation>
    </message>
    <message>
        <source>Pixel scale against %1</source>
        <translation>Abbildungsmaßstab über %1</translation>
    </message>
    <message>
        <source>Focal ratio (log scale)</source>
        <translation>Öffnungsverhältnis (logarithmisch)</translation>
    </message>
    <message>
        <source>Pixel scale, ″/px (log scale)</source>
        <translation>Abbildungsmaßstab, ″/px (logarithmisch)</translation>
    </message>
    <message>
        <source>EFL %1 mm</source>
        <translation>EFL %1 mm</translation>
    </message>
    <message>
        <source>Focal ratio %1</source>
        <translation>Öffnungsverhältnis %1</translation>
    </message>
    <message>
        <source>Field %1 × %2′</source>
        <translation>Bildfeld %1 × %2′</translation>
    </message>
    <message>
        <source>Scale %1 × %2″/px</source>
        <translation>Maßstab %1 × %2″/px</translation>
    </message>
    <message>
        <source>Focal ratio chart</source>
        <translation>Diagramm des Öffnungsverhältnisses</translation>
    </message>
    <message>
        <source>Pixel scale chart</source>
        <translation>Diagramm des Abbildungsmaßstabs</translation>
    </message>
    <message>
        <source>%1 (fixed, at 0 mm)</source>
        <translation>%1 (fest, bei 0 mm)</translation>
    </message>
    <message>
        <source>No-VKP2 (prime focus)</source>
        <translation>No-VKP2 (Primärfokus)</translation>
    </message>
    <message>
        <source>%1 or %2</source>
        <translation>%1 oder %2</translation>
    </message>
    <message>
        <source>%1 (mm)</source>
        <translation>%1 (mm)</translation>
    </message>
    <message>
        <source>well sampled: N = %1 to %2 N = %3</source>
        <translation>gut abgetastet: N = %1 bis %2 N = %3</translation>
    </message>
    <message>
        <source>well sampled: seeing/3 = %1 to seeing/2 = %2 ″/px</source>
        <translation>gut abgetastet: Seeing/3 = %1 bis Seeing/2 = %2 ″/px</translation>
    </message>
    <message>
        <source>No sampling band: it needs a camera&apos;s pixel size, and “%1” has none.</source>
        <translation>Kein Abtastband: es braucht die Pixelgröße einer Kamera, und „%1“ hat keine.</translation>
    </message>
    <message>
        <source>No sampling band: the camera&apos;s pixel size holds no usable number.</source>
        <translation>Kein Abtastband: die Pixelgröße der Kamera enthält keine brauchbare Zahl.</translation>
    </message>
    <message>
        <source>Choose a camera to see the pixel scale.</source>
        <translation>Wählen Sie eine Kamera, um den Abbildungsmaßstab zu sehen.</translation>
    </message>
    <message>
        <source>No curve: the telescope or TL holds no usable number.</source>
        <translation>Keine Kurve: Teleskop oder TL enthält keine brauchbare Zahl.</translation>
    </message>
    <message>
        <source>focal ratio %1</source>
        <translation>Öffnungsverhältnis %1</translation>
    </message>
    <message>
        <source>field %1 × %2′</source>
        <translation>Bildfeld %1 × %2′</translation>
    </message>
    <message>
        <source>pixel scale %1 × %2″/px</source>
        <translation>Abbildungsmaßstab %1 × %2″/px</translation>
    </message>
    <message>
        <source>%1, D %2 mm</source>
        <translation>%1, D %2 mm</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <translation>%1: %2</translation>
    </message>
</context>
<context>
    <name>vkp2::planner_window::FramingView</name>
    <message>
        <source>Framing picture</source>
        <translation>Bildfeld-Grafik</translation>
    </message>
    <message>
        <source>Choose a camera with pixel and chip sizes to see the frame.</source>
        <translation>Wählen Sie eine Kamera mit Pixel- und Chipgröße, um das Bildfeld zu sehen.</translation>
    </message>
</context>
<context>
    <name>vkp2::planner_window::ImportReport</name>
    <message>
        <source>Import</source>
        <translation>Import</translation>
    </message>
    <message>
        <source>Import report</source>
        <translation>Importbericht</translation>
    </message>
    <message>
        <source>Some entries of the file are wrong. &amp;Report:</source>
        <translation>Einige Einträge der Datei sind fehlerhaft. &amp;Bericht:</translation>
    </message>
    <message>
        <source>&amp;Report:</source>
        <translation>&amp;Bericht:</translation>
    </message>
    <message>
        <source>&amp;Take the others</source>
        <translation>&amp;Die übrigen übernehmen</translation>
    </message>
    <message>
        <source>Take &amp;nothing</source>
        <translation>&amp;Nichts übernehmen</translation>
    </message>
    <message>
        <source>%1 (%2)</source>
        <translation>%1 (%2)</translation>
    </message>
    <message numerus="yes">
        <source>Taken: %n entries</source>
        <translation>
            <numerusform>Übernommen: %n Eintrag</numerusform>
            <numerusform>Übernommen: %n Einträge</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Can be taken: %n entries (nothing is taken yet)</source>
        <translation>
            <numerusform>Übernehmbar: %n Eintrag (noch nichts übernommen)</numerusform>
            <numerusform>Übernehmbar: %n Einträge (noch nichts übernommen)</numerusform>
        </translation>
    </message>
    <message>
        <source>Nothing was taken.</source>
        <translation>Nichts wurde übernommen.</translation>
    </message>
    <message>
        <source>No entry can be taken.</source>
        <translation>Kein Eintrag kann übernommen werden.</translation>
    </message>
    <message numerus="yes">
        <source>Skipped: %n</source>
        <translation>
            <numerusform>Übersprungen: %n</numerusform>
            <numerusform>Übersprungen: %n</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Errors: %n</source>
        <translation>
            <numerusform>Fehler: %n</numerusform>
            <numerusform>Fehler: %n</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Held by the kit already: %n</source>
        <translation>
            <numerusform>Schon in der Ausrüstung: %n</numerusform>
            <numerusform>Schon in der Ausrüstung: %n</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>vkp2::planner_window::KitDialog</name>
    <message>
        <source>Kit</source>
        <translation>Ausrüstung</translation>
    </message>
    <message>
        <source>The kit file %1 cannot be read: %2
It is left as it is; until it is mended the database can only be looked at.</source>
        <translation>Die Ausrüstungsdatei %1 kann nicht gelesen werden: %2
Sie bleibt unverändert; bis sie repariert ist, kann die Datenbank nur angesehen werden.</translation>
    </message>
    <message>
        <source>Kit file problem</source>
        <translation>Problem mit der Ausrüstungsdatei</translation>
    </message>
    <message>
        <source>Kinds of equipment</source>
        <translation>Arten der Ausrüstung</translation>
    </message>
    <message>
        <source>Kit: %1</source>
        <translation>Ausrüstung: %1</translation>
    </message>
    <message>
        <source>Add from the &amp;database…</source>
        <translation>Aus der &amp;Datenbank hinzufügen…</translation>
    </message>
    <message>
        <source>&amp;New…</source>
        <translation>&amp;Neu…</translation>
    </message>
    <message>
        <source>&amp;Edit…</source>
        <translation>Bearbeit&amp;en…</translation>
    </message>
    <message>
        <source>&amp;Remove</source>
        <translation>Ent&amp;fernen</translation>
    </message>
    <message>
        <source>&amp;Import…</source>
        <translation>&amp;Importieren…</translation>
    </message>
    <message>
        <source>E&amp;xport…</source>
        <translation>E&amp;xportieren…</translation>
    </message>
    <message>
        <source>Kit status</source>
        <translation>Status der Ausrüstung</translation>
    </message>
    <message>
        <source>%1 is in the kit already.</source>
        <translation>%1 ist schon in der Ausrüstung.</translation>
    </message>
    <message>
        <source>%1 added.</source>
        <translation>%1 hinzugefügt.</translation>
    </message>
    <message>
        <source>The kit could not be written to %1: %2</source>
        <translation>Die Ausrüstung konnte nicht nach %1 geschrieben werden: %2</translation>
    </message>
    <message>
        <source>Saved to %1.</source>
        <translation>Gespeichert in %1.</translation>
    </message>
    <message>
        <source>New entry</source>
        <translation>Neuer Eintrag</translation>
    </message>
    <message>
        <source>Edit %1</source>
        <translation>%1 bearbeiten</translation>
    </message>
    <message>
        <source>%1 is in the kit already; %2 is left as it was.</source>
        <translation>%1 ist schon in der Ausrüstung; %2 bleibt, wie es war.</translation>
    </message>
    <message>
        <source>%1 changed.</source>
        <translation>%1 geändert.</translation>
    </message>
    <message>
        <source>%1 removed.</source>
        <translation>%1 entfernt.</translation>
    </message>
    <message numerus="yes">
        <source>%n entries taken from the import.</source>
        <translation>
            <numerusform>%n Eintrag aus dem Import übernommen.</numerusform>
            <numerusform>%n Einträge aus dem Import übernommen.</numerusform>
        </translation>
    </message>
    <message>
        <source>%1 could not be imported: %2</source>
        <translation>%1 konnte nicht importiert werden: %2</translation>
    </message>
    <message>
        <source>The kit could not be exported to %1: %2</source>
        <translation>Die Ausrüstung konnte nicht nach %1 exportiert werden: %2</translation>
    </message>
    <message numerus="yes">
        <source>%n entries exported to %1.</source>
        <translation>
            <numerusform>%n Eintrag nach %1 exportiert.</numerusform>
            <numerusform>%n Einträge nach %1 exportiert.</numerusform>
        </translation>
    </message>
    <message>
        <source>Import equipment</source>
        <translation>Ausrüstung importieren</translation>
    </message>
    <message>
        <source>Equipment files (*.json *.ini *.xml *.oal *.profile *.sqlite *.db);;All files (*)</source>
        <translation>Ausrüstungsdateien (*.json *.ini *.xml *.oal *.profile *.sqlite *.db);;Alle Dateien (*)</translation>
    </message>
    <message>
        <source>Export the kit</source>
        <translation>Ausrüstung exportieren</translation>
    </message>
    <message>
        <source>Planner kit (*.json)</source>
        <translation>Ausrüstung des Planers (*.json)</translation>
    </message>
    <message>
        <source>Stellarium Oculars (*.ini)</source>
        <translation>Stellarium Oculars (*.ini)</translation>
    </message>
    <message>
        <source>OAL observation log (*.xml)</source>
        <translation>OAL-Beobachtungsprotokoll (*.xml)</translation>
    </message>
</context>
<context>
    <name>vkp2::planner_window::KitEntryForm</name>
    <message>
        <source>Not known</source>
        <translation>Unbekannt</translation>
    </message>
    <message>
        <source>Colour (Bayer matrix)</source>
        <translation>Farbe (Bayer-Matrix)</translation>
    </message>
    <message>
        <source>Mono</source>
        <translation>Mono</translation>
    </message>
    <message>
        <source>Entry problem</source>
        <translation>Problem mit dem Eintrag</translation>
    </message>
    <message>
        <source>Not a whole number</source>
        <translation>Keine ganze Zahl</translation>
    </message>
    <message>
        <source>Not a number</source>
        <translation>Keine Zahl</translation>
    </message>
    <message>
        <source>%1: “%2” is not a number.</source>
        <translation>%1: „%2“ ist keine Zahl.</translation>
    </message>
    <message>
        <source>&amp;Name:</source>
        <translation>&amp;Name:</translation>
    </message>
    <message>
        <source>&amp;Focal length (mm):</source>
        <translation>&amp;Brennweite (mm):</translation>
    </message>
    <message>
        <source>&amp;Aperture (mm):</source>
        <translation>Ö&amp;ffnung (mm):</translation>
    </message>
    <message>
        <source>Pixel &amp;width (µm):</source>
        <translation>Pixel&amp;breite (µm):</translation>
    </message>
    <message>
        <source>Pixel &amp;height (µm):</source>
        <translation>Pixel&amp;höhe (µm):</translation>
    </message>
    <message>
        <source>Pixels &amp;across:</source>
        <translation>Pixel &amp;waagerecht:</translation>
    </message>
    <message>
        <source>Pixels &amp;down:</source>
        <translation>Pixel &amp;senkrecht:</translation>
    </message>
    <message>
        <source>&amp;Sensor:</source>
        <translation>Sens&amp;or:</translation>
    </message>
    <message>
        <source>&amp;Binning (N of NxN, e.g. 1, 2, 4):</source>
        <translation>B&amp;inning (N von NxN, z. B. 1, 2, 4):</translation>
    </message>
    <message>
        <source>&amp;Factor (above 1 a Barlow, below 1 a reducer):</source>
        <translation>&amp;Faktor (über 1 Barlowlinse, unter 1 Reducer):</translation>
    </message>
    <message>
        <source>F&amp;ocal length (mm, optional):</source>
        <translation>&amp;Brennweite (mm, optional):</translation>
    </message>
    <message>
        <source>Design &amp;spacing (mm, optional):</source>
        <translation>Design-&amp;Abstand (mm, optional):</translation>
    </message>
    <message>
        <source>&amp;Apparent field (°, optional):</source>
        <translation>&amp;Eigengesichtsfeld (°, optional):</translation>
    </message>
    <message>
        <source>Field s&amp;top (mm, optional):</source>
        <translation>&amp;Feldblende (mm, optional):</translation>
    </message>
</context>
<context>
    <name>vkp2::planner_window::NightPanel</name>
    <message>
        <source>Date</source>
        <translation>Datum</translation>
    </message>
    <message>
        <source>The night planned for, in UTC unless an offset is given: 2027-01-10T22:00Z, 2027-01-10T23:00+01:00, 2027-01-10 22:00 or 2027-01-10; %1.</source>
        <translation>Die geplante Nacht, in UTC, sofern kein Versatz angegeben ist: 2027-01-10T22:00Z, 2027-01-10T23:00+01:00, 2027-01-10 22:00 oder 2027-01-10; %1.</translation>
    </message>
    <message>
        <source>Now</source>
        <translation>Jetzt</translation>
    </message>
    <message>
        <source>Date: now</source>
        <translation>Datum: jetzt</translation>
    </message>
    <message>
        <source>Filter</source>
        <translation>Filter</translation>
    </message>
    <message>
        <source>%1 (%2 nm)</source>
        <translation>%1 (%2 nm)</translation>
    </message>
    <message>
        <source>Wavelength (nm)</source>
        <translation>Wellenlänge (nm)</translation>
    </message>
    <message>
        <source>Sampling rule</source>
        <translation>Abtastregel</translation>
    </message>
    <message>
        <source>Colour factor</source>
        <translation>Farbfaktor</translation>
    </message>
    <message>
        <source>Blur for derotation</source>
        <translation>Unschärfe für Derotation</translation>
    </message>
    <message>
        <source>One pixel</source>
        <translation>Ein Pixel</translation>
    </message>
    <message>
        <source>Dawes limit</source>
        <translation>Dawes-Grenze</translation>
    </message>
    <message>
        <source>Typed (″)</source>
        <translation>Eingegeben (″)</translation>
    </message>
    <message>
        <source>Blur (arcsec)</source>
        <translation>Unschärfe (Bogensekunden)</translation>
    </message>
    <message>
        <source>Full-disc mosaic</source>
        <translation>Mosaik der ganzen Scheibe</translation>
    </message>
    <message>
        <source>Overlap (%)</source>
        <translation>Überlappung (%)</translation>
    </message>
    <message>
        <source>Rotation (°)</source>
        <translation>Drehung (°)</translation>
    </message>
    <message>
        <source>Night problems</source>
        <translation>Probleme der Nacht</translation>
    </message>
    <message>
        <source>Night, filter and mosaic</source>
        <translation>Nacht, Filter und Mosaik</translation>
    </message>
    <message>
        <source>Date:</source>
        <translation>Datum:</translation>
    </message>
    <message>
        <source>Filter:</source>
        <translation>Filter:</translation>
    </message>
    <message>
        <source>Wa&amp;velength (nm):</source>
        <translation>&amp;Wellenlänge (nm):</translation>
    </message>
    <message>
        <source>Sampling rule:</source>
        <translation>Abtastregel:</translation>
    </message>
    <message>
        <source>Colour factor:</source>
        <translation>Farbfaktor:</translation>
    </message>
    <message>
        <source>Blur for derotation:</source>
        <translation>Unschärfe für Derotation:</translation>
    </message>
    <message>
        <source>Blur (″):</source>
        <translation>Unschärfe (″):</translation>
    </message>
    <message>
        <source>Overlap (%):</source>
        <translation>Überlappung (%):</translation>
    </message>
    <message>
        <source>Rotation (°):</source>
        <translation>Drehung (°):</translation>
    </message>
    <message>
        <source>“%1” is not a date; e.g. 2027-01-10T22:00Z.</source>
        <translation>„%1“ ist kein Datum; z. B. 2027-01-10T22:00Z.</translation>
    </message>
    <message>
        <source>%1 is outside the ephemeris: %2.</source>
        <translation>%1 liegt außerhalb der Ephemeride: %2.</translation>
    </message>
    <message>
        <source>“%1” is not a wavelength from %2 to %3 nm.</source>
        <translation>„%1“ ist keine Wellenlänge von %2 bis %3 nm.</translation>
    </message>
    <message>
        <source>“%1” is no blur above 0″.</source>
        <translation>„%1“ ist keine Unschärfe über 0″.</translation>
    </message>
    <message>
        <source>“%1” is not an overlap from %2 to %3 %.</source>
        <translation>„%1“ ist keine Überlappung von %2 bis %3 %.</translation>
    </message>
    <message>
        <source>“%1” is not an angle.</source>
        <translation>„%1“ ist kein Winkel.</translation>
    </message>
    <message>
        <source>Typed</source>
        <translation>Eingegeben</translation>
    </message>
</context>
<context>
    <name>vkp2::planner_window::PlannerWindow</name>
    <message>
        <source>Focal ratio</source>
        <translation>Öffnungsverhältnis</translation>
    </message>
    <message>
        <source>Pixel scale</source>
        <translation>Abbildungsmaßstab</translation>
    </message>
    <message>
        <source>Chart shows</source>
        <translation>Diagramm zeigt</translation>
    </message>
    <message>
        <source>Values at the chart&apos;s cursor</source>
        <translation>Werte am Cursor des Diagramms</translation>
    </message>
    <message>
        <source>Framing in words</source>
        <translation>Bildfeld in Worten</translation>
    </message>
    <message>
        <source>&amp;Chart shows:</source>
        <translation>Diagramm &amp;zeigt:</translation>
    </message>
    <message>
        <source>Arrow keys move the cursor, Enter picks the point.</source>
        <translation>Pfeiltasten bewegen den Cursor, Enter wählt den Punkt.</translation>
    </message>
    <message>
        <source>Chart</source>
        <translation>Diagramm</translation>
    </message>
    <message>
        <source>Framing at the chosen element and distance</source>
        <translation>Bildfeld beim gewählten Element und Abstand</translation>
    </message>
    <message>
        <source>Solve for the distance</source>
        <translation>Abstand berechnen</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Datei</translation>
    </message>
    <message>
        <source>Export &amp;chart…</source>
        <translation>&amp;Diagramm exportieren…</translation>
    </message>
    <message>
        <source>Export chart</source>
        <translation>Diagramm exportieren</translation>
    </message>
    <message>
        <source>PNG image (*.png);;SVG drawing (*.svg)</source>
        <translation>PNG-Bild (*.png);;SVG-Zeichnung (*.svg)</translation>
    </message>
    <message>
        <source>Export &amp;framing…</source>
        <translation>&amp;Bildfeld exportieren…</translation>
    </message>
    <message>
        <source>Export framing</source>
        <translation>Bildfeld exportieren</translation>
    </message>
    <message>
        <source>Export &amp;solve table…</source>
        <translation>&amp;Lösungstabelle exportieren…</translation>
    </message>
    <message>
        <source>Export solve table</source>
        <translation>Lösungstabelle exportieren</translation>
    </message>
    <message>
        <source>CSV table (*.csv)</source>
        <translation>CSV-Tabelle (*.csv)</translation>
    </message>
    <message>
        <source>Export &amp;mosaic panes (CSV)…</source>
        <translation>&amp;Mosaikfelder exportieren (CSV)…</translation>
    </message>
    <message>
        <source>Export mosaic panes</source>
        <translation>Mosaikfelder exportieren</translation>
    </message>
    <message>
        <source>&amp;Take the calculator&apos;s setup</source>
        <translation>Setup des &amp;Rechners übernehmen</translation>
    </message>
    <message>
        <source>&amp;Open in the calculator</source>
        <translation>Im Rechner ö&amp;ffnen</translation>
    </message>
    <message>
        <source>&amp;Quit</source>
        <translation>Be&amp;enden</translation>
    </message>
    <message>
        <source>&amp;Kit</source>
        <translation>&amp;Ausrüstung</translation>
    </message>
    <message>
        <source>&amp;Kit…</source>
        <translation>&amp;Ausrüstung…</translation>
    </message>
    <message>
        <source>View</source>
        <translation>Ansicht</translation>
    </message>
    <message>
        <source>&amp;Night mode</source>
        <translation>&amp;Nachtmodus</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>&amp;Hilfe</translation>
    </message>
    <message>
        <source>&amp;About VKP-2 Planner</source>
        <translation>Ü&amp;ber VKP-2 Planner</translation>
    </message>
    <message>
        <source>%1
Version %2.%3.%4

Plans eyepiece projection through the VKP-2 adapter: focal ratio and pixel scale against D, framing and sampling.
%5</source>
        <translation>%1
Version %2.%3.%4

Plant die Okularprojektion durch den VKP-2-Adapter: Öffnungsverhältnis und Abbildungsmaßstab über D, Bildfeld und Abtastung.
%5</translation>
    </message>
    <message>
        <source>About %1</source>
        <translation>Über %1</translation>
    </message>
    <message>
        <source>The calculator has no saved setup to take (%1).</source>
        <translation>Der Rechner hat kein gespeichertes Setup zum Übernehmen (%1).</translation>
    </message>
    <message>
        <source>Target</source>
        <translation>Objekt</translation>
    </message>
    <message>
        <source>%1 at D %2 mm</source>
        <translation>%1 bei D %2 mm</translation>
    </message>
    <message>
        <source>%1: EFL %2 mm, focal ratio %3.</source>
        <translation>%1: EFL %2 mm, Öffnungsverhältnis %3.</translation>
    </message>
    <message>
        <source>No frame to fit the target into.</source>
        <translation>Kein Bildfeld, in das das Objekt passen könnte.</translation>
    </message>
    <message>
        <source>Filled: the target; dashed outline: the same size.</source>
        <translation>Gefüllt: das Objekt; gestrichelt: dieselbe Größe.</translation>
    </message>
    <message>
        <source>Filled: smallest size; dashed outline: largest; bold: on the date.</source>
        <translation>Gefüllt: kleinste Größe; gestrichelt: größte; fett: am Datum.</translation>
    </message>
    <message>
        <source>Filled: smallest size; dashed outline: largest.</source>
        <translation>Gefüllt: kleinste Größe; gestrichelt: größte.</translation>
    </message>
    <message>
        <source>The %1 could not be written to %2:
%3</source>
        <translation>Schreiben nach %2 fehlgeschlagen (%1):
%3</translation>
    </message>
    <message>
        <source>Export failed</source>
        <translation>Export fehlgeschlagen</translation>
    </message>
    <message>
        <source>%1, TL %2 mm, D %3 mm</source>
        <translation>%1, TL %2 mm, D %3 mm</translation>
    </message>
    <message>
        <source>%1: %2 (%3 mm, %4 mm), %5; camera %6, binning %7</source>
        <translation>%1: %2 (%3 mm, %4 mm), %5; Kamera %6, Binning %7</translation>
    </message>
    <message>
        <source>The %1 could not be written to %2:
the name ends in “.%3”, which is no picture format the planner writes. Use .png or .svg.</source>
        <translation>Schreiben nach %2 fehlgeschlagen (%1):
der Name endet auf „.%3“, kein Bildformat, das der Planer schreibt. Verwenden Sie .png oder .svg.</translation>
    </message>
    <message>
        <source>chart</source>
        <translation>Diagramm</translation>
    </message>
    <message>
        <source>framing picture</source>
        <translation>Bildfeld</translation>
    </message>
    <message>
        <source>mosaic panes</source>
        <translation>Mosaikfelder</translation>
    </message>
    <message>
        <source>solve table</source>
        <translation>Lösungstabelle</translation>
    </message>
</context>
<context>
    <name>vkp2::planner_window::SetupPanel</name>
    <message>
        <source>Seeing (arcsec)</source>
        <translation>Seeing (Bogensekunden)</translation>
    </message>
    <message>
        <source>Target</source>
        <translation>Objekt</translation>
    </message>
    <message>
        <source>Target size (arcsec)</source>
        <translation>Objektgröße (Bogensekunden)</translation>
    </message>
    <message>
        <source>Colo&amp;ur sensor (Bayer matrix)</source>
        <translation>Farbse&amp;nsor (Bayer-Matrix)</translation>
    </message>
    <message>
        <source>Colour sensor</source>
        <translation>Farbsensor</translation>
    </message>
    <message>
        <source>Input problems</source>
        <translation>Eingabeprobleme</translation>
    </message>
    <message>
        <source>Kit problem</source>
        <translation>Problem mit der Ausrüstung</translation>
    </message>
    <message>
        <source>Telescope</source>
        <translation>Teleskop</translation>
    </message>
    <message>
        <source>Projection</source>
        <translation>Projektion</translation>
    </message>
    <message>
        <source>Camera</source>
        <translation>Kamera</translation>
    </message>
    <message>
        <source>Sky and target</source>
        <translation>Himmel und Objekt</translation>
    </message>
    <message>
        <source>&amp;Seeing:</source>
        <translation>&amp;Seeing:</translation>
    </message>
    <message>
        <source>Ta&amp;rget:</source>
        <translation>Ob&amp;jekt:</translation>
    </message>
    <message>
        <source>Target si&amp;ze (″):</source>
        <translation>Objekt&amp;größe (″):</translation>
    </message>
    <message>
        <source>Your kit is not offered: %1</source>
        <translation>Ihre Ausrüstung wird nicht angeboten: %1</translation>
    </message>
    <message>
        <source>Not a number</source>
        <translation>Keine Zahl</translation>
    </message>
    <message>
        <source>%1: “%2” is not a number.</source>
        <translation>%1: „%2“ ist keine Zahl.</translation>
    </message>
    <message>
        <source>The calculator uses %1 instead of %2</source>
        <translation>Der Rechner verwendet %1 statt %2</translation>
    </message>
    <message>
        <source>Typed size</source>
        <translation>Eingegebene Größe</translation>
    </message>
</context>
<context>
    <name>vkp2::planner_window::SolveTable</name>
    <message>
        <source>Focal ratio</source>
        <translation>Öffnungsverhältnis</translation>
    </message>
    <message>
        <source>Pixel scale (″/px)</source>
        <translation>Abbildungsmaßstab (″/px)</translation>
    </message>
    <message>
        <source>Goal kind</source>
        <translation>Art der Vorgabe</translation>
    </message>
    <message>
        <source>Goal value</source>
        <translation>Wert der Vorgabe</translation>
    </message>
    <message>
        <source>Distances that reach the goal</source>
        <translation>Abstände, die die Vorgabe erreichen</translation>
    </message>
    <message>
        <source>Ocular or element</source>
        <translation>Okular oder Element</translation>
    </message>
    <message>
        <source>D or distance (mm)</source>
        <translation>D oder Abstand (mm)</translation>
    </message>
    <message>
        <source>EFL (mm)</source>
        <translation>EFL (mm)</translation>
    </message>
    <message>
        <source>Field (′)</source>
        <translation>Bildfeld (′)</translation>
    </message>
    <message>
        <source>Scale (″/px)</source>
        <translation>Maßstab (″/px)</translation>
    </message>
    <message>
        <source>Sampling of the seeing</source>
        <translation>Abtastung des Seeings</translation>
    </message>
    <message>
        <source>Sampling by focal ratio</source>
        <translation>Abtastung nach Öffnungsverhältnis</translation>
    </message>
    <message>
        <source>&amp;Goal:</source>
        <translation>&amp;Vorgabe:</translation>
    </message>
    <message>
        <source>Sampling of the seeing (long exposures)</source>
        <translation>Abtastung des Seeings (lange Belichtungen)</translation>
    </message>
    <message>
        <source>%1 (%2)</source>
        <translation>%1 (%2)</translation>
    </message>
</context>
</TS>
