<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de_DE">
<context>
    <name>vkp2plan</name>
    <message>
        <source>; did you mean %1?</source>
        <translation>; meinten Sie %1?</translation>
    </message>
    <message>
        <source>: unknown option</source>
        <translation>: unbekannte Option</translation>
    </message>
    <message>
        <source>%1: the command comes first (%2)</source>
        <translation>%1: zuerst kommt der Befehl (%2)</translation>
    </message>
    <message>
        <source>unknown command &quot;%1&quot;</source>
        <translation>unbekannter Befehl „%1“</translation>
    </message>
    <message>
        <source>; one of %1</source>
        <translation>; einer von %1</translation>
    </message>
    <message>
        <source>%1: not an option of %2</source>
        <translation>%1: keine Option von %2</translation>
    </message>
    <message>
        <source>%1: given more than once</source>
        <translation>%1: mehr als einmal angegeben</translation>
    </message>
    <message>
        <source>%1: takes no value</source>
        <translation>%1: nimmt keinen Wert</translation>
    </message>
    <message>
        <source>%1: needs a value</source>
        <translation>%1: braucht einen Wert</translation>
    </message>
    <message>
        <source>&quot;%1&quot;: %2 takes no such word%3</source>
        <translation>„%1“: %2 nimmt kein solches Wort%3</translation>
    </message>
    <message>
        <source>, only options</source>
        <translation>, nur Optionen</translation>
    </message>
    <message>
        <source>yes</source>
        <translation>ja</translation>
    </message>
    <message>
        <source>no</source>
        <translation>nein</translation>
    </message>
    <message>
        <source>no command; try &quot;vkp2plan --help&quot;</source>
        <translation>kein Befehl; versuchen Sie „vkp2plan --help“</translation>
    </message>
    <message>
        <source>a user equipment file (vkp2user.dat) as the base</source>
        <translation>eine Ausrüstungsdatei (vkp2user.dat) als Grundlage</translation>
    </message>
    <message>
        <source>a preset, a kit or database entry, or User-Defined</source>
        <translation>eine Voreinstellung, ein Eintrag aus Ausrüstung oder Datenbank, oder User-Defined</translation>
    </message>
    <message>
        <source>a User-Defined telescope&apos;s focal length (kit add: also an eyepiece&apos;s)</source>
        <translation>Brennweite eines User-Defined-Teleskops (kit add: auch eines Okulars)</translation>
    </message>
    <message>
        <source>a User-Defined telescope&apos;s aperture</source>
        <translation>Öffnung eines User-Defined-Teleskops</translation>
    </message>
    <message>
        <source>an ocular, or No-VKP2 (table and solve: repeat for several)</source>
        <translation>ein Okular oder No-VKP2 (table und solve: für mehrere wiederholen)</translation>
    </message>
    <message>
        <source>tube length TL, %1 to %2</source>
        <translation>Tubuslänge TL, %1 bis %2</translation>
    </message>
    <message>
        <source>adapter distance D, %1 to %2</source>
        <translation>Adapterabstand D, %1 bis %2</translation>
    </message>
    <message>
        <source>a preset, a kit or database entry, None or Film, or User-Defined</source>
        <translation>eine Voreinstellung, ein Eintrag aus Ausrüstung oder Datenbank, None or Film, oder User-Defined</translation>
    </message>
    <message>
        <source>a User-Defined camera&apos;s pixel size in µm</source>
        <translation>Pixelgröße einer User-Defined-Kamera in µm</translation>
    </message>
    <message>
        <source>a User-Defined camera&apos;s chip in pixels</source>
        <translation>Chip einer User-Defined-Kamera in Pixeln</translation>
    </message>
    <message>
        <source>for cameras with binning modes (a kit camera: one it offers)</source>
        <translation>für Kameras mit Binning-Modi (Kamera der Ausrüstung: einer, den sie bietet)</translation>
    </message>
    <message>
        <source>a Barlow: its factor, or a kit or database entry</source>
        <translation>eine Barlowlinse: ihr Faktor oder ein Eintrag aus Ausrüstung oder Datenbank</translation>
    </message>
    <message>
        <source>a focal reducer, the same way (not with --barlow)</source>
        <translation>ein Reducer, ebenso (nicht mit --barlow)</translation>
    </message>
    <message>
        <source>the spacing to the sensor its factor is for (also kit add barlow)</source>
        <translation>der Abstand zum Sensor, für den ihr Faktor gilt (auch kit add barlow)</translation>
    </message>
    <message>
        <source>the lens&apos;s spacing to the sensor as set (table --kit: every kit lens&apos;s)</source>
        <translation>der eingestellte Abstand der Linse zum Sensor (table --kit: der jeder Linse der Ausrüstung)</translation>
    </message>
    <message>
        <source>eyepiece projection instead of the VKP-2 (not with --ocular)</source>
        <translation>Okularprojektion statt des VKP-2 (nicht mit --ocular)</translation>
    </message>
    <message>
        <source>eyepiece to sensor (solve finds it; table --kit: every kit eyepiece&apos;s)</source>
        <translation>Okular bis Sensor (solve ermittelt ihn; table --kit: der jedes Okulars der Ausrüstung)</translation>
    </message>
    <message>
        <source>an afocal camera lens&apos;s focal length, behind --eyepiece</source>
        <translation>Brennweite des Kameraobjektivs afokal, hinter --eyepiece</translation>
    </message>
    <message>
        <source>the eyepiece in front of --afocal-lens</source>
        <translation>das Okular vor --afocal-lens</translation>
    </message>
    <message>
        <source>seeing FWHM (default %1)</source>
        <translation>Seeing FWHM (Vorgabe %1)</translation>
    </message>
    <message>
        <source> or </source>
        <translation> oder </translation>
    </message>
    <message>
        <source>a target of this apparent diameter instead</source>
        <translation>stattdessen ein Ziel dieses scheinbaren Durchmessers</translation>
    </message>
    <message>
        <source>%1 to %2, for the critical focal ratio and the Rayleigh limit (default %3)</source>
        <translation>%1 bis %2, für das kritische Öffnungsverhältnis und die Rayleigh-Grenze (Vorgabe %3)</translation>
    </message>
    <message>
        <source>the filter&apos;s wavelength instead: %1 (not with --wavelength)</source>
        <translation>stattdessen die Wellenlänge des Filters: %1 (nicht mit --wavelength)</translation>
    </message>
    <message>
        <source>the focal-ratio sampling rule: %1</source>
        <translation>die Abtastregel für das Öffnungsverhältnis: %1</translation>
    </message>
    <message>
        <source>a colour-matrix (Bayer) sensor (also kit add camera)</source>
        <translation>ein Farbsensor mit Farbmatrix (Bayer) (auch kit add camera)</translation>
    </message>
    <message>
        <source>what a colour sensor multiplies the critical focal ratio by: %1 (default %2); with --colour or a kit colour camera</source>
        <translation>womit ein Farbsensor das kritische Öffnungsverhältnis multipliziert: %1 (Vorgabe %2); mit --colour oder einer Farbkamera der Ausrüstung</translation>
    </message>
    <message>
        <source>the night planned for, e.g. 2027-01-10T22:00Z, 2027-01-10T23:00+01:00 or 2027-01-10 (UTC; default now); the target&apos;s size then</source>
        <translation>die geplante Nacht, z. B. 2027-01-10T22:00Z, 2027-01-10T23:00+01:00 oder 2027-01-10 (UTC; Vorgabe jetzt); die Größe des Ziels dann</translation>
    </message>
    <message>
        <source>what a feature may move by (default px, one pixel at the setup&apos;s scale; dawes: the Dawes limit): the derotation limit (%1) is %2</source>
        <translation>um wie viel sich ein Detail bewegen darf (Vorgabe px, ein Pixel beim Abbildungsmaßstab des Aufbaus; dawes: die Dawes-Grenze): die Derotationsgrenze (%1) ist %2</translation>
    </message>
    <message>
        <source>a full-disc mosaic of --target %1</source>
        <translation>ein Mosaik der ganzen Scheibe von --target %1</translation>
    </message>
    <message>
        <source>the panes&apos; overlap, %1 to %2 % (default %3)</source>
        <translation>Überlappung der Felder, %1 bis %2 % (Vorgabe %3)</translation>
    </message>
    <message>
        <source>the camera turned by this angle (default %1)</source>
        <translation>die Kamera um diesen Winkel gedreht (Vorgabe %1)</translation>
    </message>
    <message>
        <source>first D of the table (default %1)</source>
        <translation>erstes D der Tabelle (Vorgabe %1)</translation>
    </message>
    <message>
        <source>last D (default %1)</source>
        <translation>letztes D (Vorgabe %1)</translation>
    </message>
    <message>
        <source>step between rows (default 50); --d MM for one D</source>
        <translation>Schritt zwischen den Zeilen (Vorgabe 50); --d MM für ein D</translation>
    </message>
    <message>
        <source>every telescope, ocular, camera and binning mode at --d and --tl</source>
        <translation>jedes Teleskop, Okular, jede Kamera und jeder Binning-Modus bei --d und --tl</translation>
    </message>
    <message>
        <source>a focal-ratio sampling column per filter (see --filter)</source>
        <translation>eine Spalte Abtastung nach Öffnungsverhältnis je Filter (siehe --filter)</translation>
    </message>
    <message>
        <source>every telescope and camera (and its modes) of your kit, at --d or a range</source>
        <translation>jedes Teleskop und jede Kamera (mit ihren Modi) Ihrer Ausrüstung, bei --d oder einem Bereich</translation>
    </message>
    <message>
        <source>the focal ratio to reach</source>
        <translation>das zu erreichende Öffnungsverhältnis</translation>
    </message>
    <message>
        <source>the pixel scale to reach, in arcsec per pixel</source>
        <translation>der zu erreichende Abbildungsmaßstab, in Bogensekunden pro Pixel</translation>
    </message>
    <message>
        <source>the extended focal length to reach</source>
        <translation>die zu erreichende verlängerte Brennweite</translation>
    </message>
    <message>
        <source>a camera with a mono sensor</source>
        <translation>eine Kamera mit Monochromsensor</translation>
    </message>
    <message>
        <source>the NxN binning modes a camera offers (default 1)</source>
        <translation>die NxN-Binning-Modi, die eine Kamera bietet (Vorgabe 1)</translation>
    </message>
    <message>
        <source>a Barlow&apos;s (above 1) or reducer&apos;s (below 1) factor</source>
        <translation>Faktor einer Barlowlinse (über 1) oder eines Reducers (unter 1)</translation>
    </message>
    <message>
        <source>its focal length (negative for a Barlow)</source>
        <translation>ihre Brennweite (negativ für eine Barlowlinse)</translation>
    </message>
    <message>
        <source>an eyepiece&apos;s apparent field</source>
        <translation>scheinbares Gesichtsfeld eines Okulars</translation>
    </message>
    <message>
        <source>an eyepiece&apos;s field stop</source>
        <translation>Feldblende eines Okulars</translation>
    </message>
    <message>
        <source>kit import: take the good entries of a file with wrong ones</source>
        <translation>kit import: die guten Einträge einer Datei mit fehlerhaften übernehmen</translation>
    </message>
    <message>
        <source>text follows your locale; CSV and JSON use a dot</source>
        <translation>Text folgt Ihrem Gebietsschema; CSV und JSON verwenden einen Punkt</translation>
    </message>
    <message>
        <source>this text (after a command: that command&apos;s)</source>
        <translation>dieser Text (nach einem Befehl: der des Befehls)</translation>
    </message>
    <message>
        <source>the program&apos;s version</source>
        <translation>die Version des Programms</translation>
    </message>
    <message>
        <source>Setup (without any, the calculator&apos;s last setup; options change parts of it)</source>
        <translation>Aufbau (ohne diese Optionen der letzte Aufbau des Rechners; Optionen ändern Teile davon)</translation>
    </message>
    <message>
        <source>Optical train (show, table, solve): a Barlow or reducer, eyepiece projection or an afocal camera</source>
        <translation>Optischer Aufbau (show, table, solve): Barlowlinse oder Reducer, Okularprojektion oder afokale Kamera</translation>
    </message>
    <message>
        <source>Sampling advice and target fit (show and table)</source>
        <translation>Abtastung und ob das Ziel ins Bild passt (show und table)</translation>
    </message>
    <message>
        <source>The planned night (show): the target&apos;s size on a date, how long a capture may run, a full-disc mosaic</source>
        <translation>Die geplante Nacht (show): Größe des Ziels an einem Datum, wie lange eine Aufnahme laufen darf, Mosaik der ganzen Scheibe</translation>
    </message>
    <message>
        <source>solve: one goal</source>
        <translation>solve: ein Ziel</translation>
    </message>
    <message>
        <source>kit add: an entry&apos;s values (and --focal-length, --aperture, --pixel, --chip, --colour); kit import</source>
        <translation>kit add: die Werte eines Eintrags (und --focal-length, --aperture, --pixel, --chip, --colour); kit import</translation>
    </message>
    <message>
        <source>Output (every command)</source>
        <translation>Ausgabe (jeder Befehl)</translation>
    </message>
    <message>
        <source>the presets and their values</source>
        <translation>die Voreinstellungen und ihre Werte</translation>
    </message>
    <message>
        <source>one setup: every box, sampling advice, target fit</source>
        <translation>ein Aufbau: jedes Feld, Abtastung, ob das Ziel ins Bild passt</translation>
    </message>
    <message>
        <source>one row per ocular and D (--kit: your kit; --all: every preset)</source>
        <translation>eine Zeile je Okular und D (--kit: Ihre Ausrüstung; --all: jede Voreinstellung)</translation>
    </message>
    <message>
        <source>the D each ocular needs to reach a goal</source>
        <translation>das D, das jedes Okular für ein Ziel braucht</translation>
    </message>
    <message>
        <source>your kit&apos;s and the database&apos;s entries that match</source>
        <translation>die passenden Einträge Ihrer Ausrüstung und der Datenbank</translation>
    </message>
    <message>
        <source>KIND is cameras, telescopes, eyepieces or barlows; the words after it are the text.
Case, accents and punctuation do not count.
The kit&apos;s matches come first, then the database&apos;s, each best first.
</source>
        <translation>KIND ist cameras, telescopes, eyepieces oder barlows; die Wörter danach sind der Text.
Groß- und Kleinschreibung, Akzente und Satzzeichen zählen nicht.
Zuerst kommen die Treffer der Ausrüstung, dann die der Datenbank, jeweils die besten zuerst.
</translation>
    </message>
    <message>
        <source>your own equipment (kit.json)</source>
        <translation>Ihre eigene Ausrüstung (kit.json)</translation>
    </message>
    <message>
        <source>  vkp2plan kit list [--format text|csv|json]
  vkp2plan kit add telescope NAME --focal-length MM --aperture MM
  vkp2plan kit add camera NAME --pixel W[xH] --chip WxH [--mono|--colour]
                              [--binning-modes 1,2,3]
  vkp2plan kit add barlow NAME --factor X [--design-spacing MM | --lens-focal-length MM]
  vkp2plan kit add eyepiece NAME --focal-length MM [--apparent-field DEG] [--field-stop MM]
  vkp2plan kit add KIND NAME                 (no values: the database&apos;s entry)
  vkp2plan kit remove telescope|camera|barlow|eyepiece NAME
  vkp2plan kit import FILE [--partial]       (kit.json, ocular.ini, OAL, KStars, N.I.N.A.)
  vkp2plan kit export [--format json|ocular-ini|oal] FILE
</source>
        <translation>  vkp2plan kit list [--format text|csv|json]
  vkp2plan kit add telescope NAME --focal-length MM --aperture MM
  vkp2plan kit add camera NAME --pixel W[xH] --chip WxH [--mono|--colour]
                              [--binning-modes 1,2,3]
  vkp2plan kit add barlow NAME --factor X [--design-spacing MM | --lens-focal-length MM]
  vkp2plan kit add eyepiece NAME --focal-length MM [--apparent-field DEG] [--field-stop MM]
  vkp2plan kit add KIND NAME                 (ohne Werte: der Eintrag der Datenbank)
  vkp2plan kit remove telescope|camera|barlow|eyepiece NAME
  vkp2plan kit import FILE [--partial]       (kit.json, ocular.ini, OAL, KStars, N.I.N.A.)
  vkp2plan kit export [--format json|ocular-ini|oal] FILE
</translation>
    </message>
    <message>
        <source>this text, or one command&apos;s</source>
        <translation>dieser Text oder der eines Befehls</translation>
    </message>
    <message>
        <source>must be greater than 0</source>
        <translation>muss größer als 0 sein</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is none of text, csv, json</source>
        <translation>„%1“ ist keins von text, csv, json</translation>
    </message>
    <message>
        <source>give either --target or --size</source>
        <translation>geben Sie entweder --target oder --size an</translation>
    </message>
    <message>
        <source>no target &quot;%1&quot;; one of %2</source>
        <translation>kein Ziel „%1“; eines von %2</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not a number</source>
        <translation>„%1“ ist keine Zahl</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is no ISO date such as 2027-01-10T22:00Z</source>
        <translation>„%1“ ist kein ISO-Datum wie 2027-01-10T22:00Z</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is outside the years of the ephemeris: %2</source>
        <translation>„%1“ liegt außerhalb der Jahre der Ephemeride: %2</translation>
    </message>
    <message>
        <source>only with --mosaic</source>
        <translation>nur mit --mosaic</translation>
    </message>
    <message>
        <source>needs a target a mosaic covers: %1</source>
        <translation>braucht ein Ziel, das ein Mosaik abdeckt: %1</translation>
    </message>
    <message>
        <source>%1 is outside %2 to %3 %</source>
        <translation>%1 liegt außerhalb von %2 bis %3 %</translation>
    </message>
    <message>
        <source>%1 is no finite angle</source>
        <translation>%1 ist kein endlicher Winkel</translation>
    </message>
    <message>
        <source>give either --filter or --wavelength</source>
        <translation>geben Sie entweder --filter oder --wavelength an</translation>
    </message>
    <message>
        <source>%1 nm is outside %2 to %3 nm</source>
        <translation>%1 nm liegt außerhalb von %2 bis %3 nm</translation>
    </message>
    <message>
        <source>no filter &quot;%1&quot;; one of %2</source>
        <translation>kein Filter „%1“; einer von %2</translation>
    </message>
    <message>
        <source>no rule &quot;%1&quot;; one of %2</source>
        <translation>keine Regel „%1“; eine von %2</translation>
    </message>
    <message>
        <source>%1 is none of %2</source>
        <translation>%1 ist keins von %2</translation>
    </message>
    <message>
        <source>no filter &quot;%1&quot;; one of %2, or all</source>
        <translation>kein Filter „%1“; einer von %2 oder all</translation>
    </message>
    <message>
        <source>&quot;%1&quot; given twice</source>
        <translation>„%1“ zweimal angegeben</translation>
    </message>
    <message>
        <source>Fit</source>
        <translation>Im Bild</translation>
    </message>
    <message>
        <source>Fit at its smallest</source>
        <translation>Im Bild bei kleinster Größe</translation>
    </message>
    <message>
        <source>Fit at its largest</source>
        <translation>Im Bild bei größter Größe</translation>
    </message>
    <message>
        <source>Fit on the date</source>
        <translation>Im Bild am Datum</translation>
    </message>
    <message>
        <source>Date</source>
        <translation>Datum</translation>
    </message>
    <message>
        <source>Equatorial diameter (arcsec)</source>
        <translation>Äquatordurchmesser (″)</translation>
    </message>
    <message>
        <source>Polar diameter (arcsec)</source>
        <translation>Polardurchmesser (″)</translation>
    </message>
    <message>
        <source>Ring opening (deg)</source>
        <translation>Ringöffnung (°)</translation>
    </message>
    <message>
        <source>Between its smallest and largest (%)</source>
        <translation>Zwischen kleinster und größter Größe (%)</translation>
    </message>
    <message>
        <source>Target</source>
        <translation>Ziel</translation>
    </message>
    <message>
        <source>no camera frame to fit</source>
        <translation>kein Kamerabild, in das es passen könnte</translation>
    </message>
    <message>
        <source>Blur (arcsec)</source>
        <translation>Unschärfe (″)</translation>
    </message>
    <message>
        <source>Derotation limit (s)</source>
        <translation>Derotationsgrenze (s)</translation>
    </message>
    <message>
        <source>Mosaic: none; </source>
        <translation>Mosaik: keines; </translation>
    </message>
    <message numerus="yes">
        <source>Mosaic: %1 × %2 grid, %n panes (%3 % overlap, %4° rotation)
</source>
        <translation>
            <numerusform>Mosaik: %1 × %2 Raster, %n Feld (%3 % Überlappung, %4° Drehung)
</numerusform>
            <numerusform>Mosaik: %1 × %2 Raster, %n Felder (%3 % Überlappung, %4° Drehung)
</numerusform>
        </translation>
    </message>
    <message>
        <source>  Pane %1 (column %2, row %3): centre at %4″, %5″
</source>
        <translation>  Feld %1 (Spalte %2, Zeile %3): Mitte bei %4″, %5″
</translation>
    </message>
    <message>
        <source>a preset %1</source>
        <translation>Voreinstellung %1</translation>
    </message>
    <message>
        <source>the %1 &quot;%2&quot;</source>
        <translation>%1 „%2“</translation>
    </message>
    <message>
        <source>%1 has its own; leave out --%2 or give --%2 User-Defined</source>
        <translation>%1 hat eigene Werte; lassen Sie --%2 weg oder geben Sie --%2 User-Defined an</translation>
    </message>
    <message>
        <source>the camera &quot;%1&quot; offers %2</source>
        <translation>die Kamera „%1“ bietet %2</translation>
    </message>
    <message>
        <source>a pixel size must be greater than 0</source>
        <translation>eine Pixelgröße muss größer als 0 sein</translation>
    </message>
    <message>
        <source>a chip size must be 1 to %1 pixels</source>
        <translation>eine Chipgröße muss 1 bis %1 Pixel betragen</translation>
    </message>
    <message>
        <source>the camera &quot;%1&quot; has no binning modes; these have: %2</source>
        <translation>die Kamera „%1“ hat keine Binning-Modi; diese haben welche: %2</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not of the form WxH</source>
        <translation>„%1“ hat nicht die Form WxH</translation>
    </message>
    <message>
        <source>no %1 &quot;%2&quot;</source>
        <translation>%1 „%2“ nicht gefunden</translation>
    </message>
    <message>
        <source>; see &quot;%1&quot;</source>
        <translation>; siehe „%1“</translation>
    </message>
    <message>
        <source>%1 is outside %2 to %3, which the adapter allows</source>
        <translation>%1 liegt außerhalb von %2 bis %3, was der Adapter erlaubt</translation>
    </message>
    <message>
        <source>show takes one</source>
        <translation>show nimmt eines</translation>
    </message>
    <message>
        <source>the distances are fixed at 0 with No-VKP2</source>
        <translation>mit No-VKP2 sind die Abstände fest 0</translation>
    </message>
    <message>
        <source>Barlow</source>
        <translation>Barlowlinse</translation>
    </message>
    <message>
        <source>reducer</source>
        <translation>Reducer</translation>
    </message>
    <message>
        <source>needs %1</source>
        <translation>braucht %1</translation>
    </message>
    <message>
        <source>give either %1 or %2</source>
        <translation>geben Sie entweder %1 oder %2 an</translation>
    </message>
    <message>
        <source>%1 or %2</source>
        <translation>%1 oder %2</translation>
    </message>
    <message>
        <source>is what solve finds; leave it out</source>
        <translation>ermittelt solve; lassen Sie es weg</translation>
    </message>
    <message>
        <source>needs %1 MM</source>
        <translation>braucht %1 MM</translation>
    </message>
    <message>
        <source>needs %1 MM|NAME</source>
        <translation>braucht %1 MM|NAME</translation>
    </message>
    <message>
        <source>is what solve finds at prime focus; leave it out</source>
        <translation>ermittelt solve im Primärfokus; lassen Sie es weg</translation>
    </message>
    <message>
        <source>cannot be combined with %1</source>
        <translation>lässt sich nicht mit %1 kombinieren</translation>
    </message>
    <message>
        <source>the box</source>
        <translation>das Feld</translation>
    </message>
    <message>
        <source>%1 falls back to %2</source>
        <translation>%1 fällt zurück auf %2</translation>
    </message>
    <message>
        <source>the %1&apos;s values come back: focal length %2, aperture %3</source>
        <translation>die Werte von %1 kehren zurück: Brennweite %2, Öffnung %3</translation>
    </message>
    <message>
        <source>the results stay empty</source>
        <translation>die Ergebnisse bleiben leer</translation>
    </message>
    <message>
        <source>binning falls back to %1</source>
        <translation>Binning fällt zurück auf %1</translation>
    </message>
    <message>
        <source>telescope</source>
        <translation>Teleskop</translation>
    </message>
    <message>
        <source>camera</source>
        <translation>Kamera</translation>
    </message>
    <message>
        <source>barlow</source>
        <translation>Barlowlinse</translation>
    </message>
    <message>
        <source>eyepiece</source>
        <translation>Okular</translation>
    </message>
    <message>
        <source>ocular</source>
        <translation>Okular</translation>
    </message>
    <message>
        <source>binning mode</source>
        <translation>Binning-Modus</translation>
    </message>
    <message>
        <source>Barlow or reducer</source>
        <translation>Barlowlinse oder Reducer</translation>
    </message>
    <message>
        <source>telescopes</source>
        <translation>Teleskope</translation>
    </message>
    <message>
        <source>cameras</source>
        <translation>Kameras</translation>
    </message>
    <message>
        <source>barlows</source>
        <translation>Barlowlinsen</translation>
    </message>
    <message>
        <source>eyepieces</source>
        <translation>Okulare</translation>
    </message>
    <message>
        <source>the kit is not used: %1</source>
        <translation>die Ausrüstung wird nicht verwendet: %1</translation>
    </message>
    <message>
        <source>the kit is left as it is: %1</source>
        <translation>die Ausrüstung bleibt, wie sie ist: %1</translation>
    </message>
    <message>
        <source>the kit is empty; add to it with &quot;vkp2plan kit add&quot; or &quot;vkp2plan kit import FILE&quot;</source>
        <translation>die Ausrüstung ist leer; ergänzen Sie sie mit „vkp2plan kit add“ oder „vkp2plan kit import FILE“</translation>
    </message>
    <message>
        <source>the kit already has a %1 &quot;%2&quot;</source>
        <translation>%1 „%2“ ist bereits in der Ausrüstung</translation>
    </message>
    <message>
        <source>the kit has no %1 &quot;%2&quot;</source>
        <translation>%1 „%2“ ist nicht in der Ausrüstung</translation>
    </message>
    <message>
        <source>added the %1 &quot;%2&quot;</source>
        <translation>%1 „%2“ hinzugefügt</translation>
    </message>
    <message>
        <source>removed the %1 &quot;%2&quot;</source>
        <translation>%1 „%2“ entfernt</translation>
    </message>
    <message>
        <source>nothing imported: 1 entry is wrong; --partial takes the others</source>
        <translation>nichts importiert: 1 Eintrag ist fehlerhaft; --partial übernimmt die anderen</translation>
    </message>
    <message>
        <source>nothing imported: %1 entries are wrong; --partial takes the others</source>
        <translation>nichts importiert: %1 Einträge sind fehlerhaft; --partial übernimmt die anderen</translation>
    </message>
    <message>
        <source>&quot;%1&quot; files are read by &quot;kit import&quot;, not written; export to json, ocular-ini or oal</source>
        <translation>„%1“-Dateien liest „kit import“, geschrieben werden sie nicht; exportieren Sie nach json, ocular-ini oder oal</translation>
    </message>
    <message>
        <source>no %1 matches &quot;%2&quot;</source>
        <translation>nichts der Art %1 passt zu „%2“</translation>
    </message>
    <message>
        <source>EFL (mm)</source>
        <translation>Eff. Brennweite (mm)</translation>
    </message>
    <message>
        <source>Focal ratio</source>
        <translation>Öffnungsverhältnis</translation>
    </message>
    <message>
        <source>FOV (arcmin)</source>
        <translation>Bildfeld (′)</translation>
    </message>
    <message>
        <source>Scale (arcsec/px)</source>
        <translation>Abbildungsmaßstab (″/Pixel)</translation>
    </message>
    <message>
        <source>Element</source>
        <translation>Element</translation>
    </message>
    <message>
        <source>By focal ratio, %1</source>
        <translation>Nach Öffnungsverhältnis, %1</translation>
    </message>
    <message>
        <source>Telescope</source>
        <translation>Teleskop</translation>
    </message>
    <message>
        <source>Ocular</source>
        <translation>Okular</translation>
    </message>
    <message>
        <source>Camera</source>
        <translation>Kamera</translation>
    </message>
    <message>
        <source>Binning</source>
        <translation>Binning</translation>
    </message>
    <message>
        <source>TL (mm)</source>
        <translation>TL (mm)</translation>
    </message>
    <message>
        <source>D (mm)</source>
        <translation>D (mm)</translation>
    </message>
    <message>
        <source>Magnification</source>
        <translation>Vergrößerung</translation>
    </message>
    <message>
        <source>Sampling (long exposures)</source>
        <translation>Abtastung (Langzeitbelichtungen)</translation>
    </message>
    <message>
        <source>Sampling</source>
        <translation>Abtastung</translation>
    </message>
    <message>
        <source>By focal ratio</source>
        <translation>Nach Öffnungsverhältnis</translation>
    </message>
    <message>
        <source>Note</source>
        <translation>Hinweis</translation>
    </message>
    <message>
        <source>the setup itself: %1</source>
        <translation>der Aufbau selbst: %1</translation>
    </message>
    <message>
        <source>the calculator showed messages for some rows; see their note</source>
        <translation>der Rechner zeigte Meldungen für einige Zeilen; siehe deren Hinweis</translation>
    </message>
    <message>
        <source>Lens factor</source>
        <translation>Linsenfaktor</translation>
    </message>
    <message>
        <source>Rear factor</source>
        <translation>Faktor hinten</translation>
    </message>
    <message>
        <source>Total factor</source>
        <translation>Gesamtfaktor</translation>
    </message>
    <message>
        <source>Ocular in VKP-2</source>
        <translation>Okular im VKP-2</translation>
    </message>
    <message>
        <source>CCD Camera</source>
        <translation>CCD-Kamera</translation>
    </message>
    <message>
        <source>Seeing (arcsec)</source>
        <translation>Seeing (″)</translation>
    </message>
    <message>
        <source>Sampling of the seeing (long exposures)</source>
        <translation>Abtastung des Seeings (Langzeitbelichtungen)</translation>
    </message>
    <message>
        <source>Sampling of the seeing</source>
        <translation>Abtastung des Seeings</translation>
    </message>
    <message>
        <source>Dawes limit (arcsec)</source>
        <translation>Dawes-Grenze (″)</translation>
    </message>
    <message>
        <source>Rayleigh limit at 550 nm (arcsec)</source>
        <translation>Rayleigh-Grenze bei 550 nm (″)</translation>
    </message>
    <message>
        <source>Rayleigh limit at %1 nm (arcsec)</source>
        <translation>Rayleigh-Grenze bei %1 nm (″)</translation>
    </message>
    <message>
        <source>Wavelength (nm)</source>
        <translation>Wellenlänge (nm)</translation>
    </message>
    <message>
        <source>Filter</source>
        <translation>Filter</translation>
    </message>
    <message>
        <source>Colour-matrix sensor</source>
        <translation>Farbsensor (Farbmatrix)</translation>
    </message>
    <message>
        <source>Colour factor</source>
        <translation>Farbfaktor</translation>
    </message>
    <message>
        <source>Sampling rule</source>
        <translation>Abtastregel</translation>
    </message>
    <message>
        <source>Critical focal ratio</source>
        <translation>Kritisches Öffnungsverhältnis</translation>
    </message>
    <message>
        <source>Sampling by focal ratio</source>
        <translation>Abtastung nach Öffnungsverhältnis</translation>
    </message>
    <message>
        <source>give either --d or --d-from/--d-to/--d-step</source>
        <translation>geben Sie entweder --d oder --d-from/--d-to/--d-step an</translation>
    </message>
    <message>
        <source>is below --d-from</source>
        <translation>liegt unter --d-from</translation>
    </message>
    <message>
        <source>more than %1 rows; use a larger step or a shorter range</source>
        <translation>mehr als %1 Zeilen; nehmen Sie einen größeren Schritt oder einen kürzeren Bereich</translation>
    </message>
    <message>
        <source>%1 mm is outside %2 to %3 mm</source>
        <translation>%1 mm liegt außerhalb von %2 bis %3 mm</translation>
    </message>
    <message>
        <source>cannot be combined with --kit</source>
        <translation>lässt sich nicht mit --kit kombinieren</translation>
    </message>
    <message>
        <source>cannot be combined with --all</source>
        <translation>lässt sich nicht mit --all kombinieren</translation>
    </message>
    <message>
        <source>Why not</source>
        <translation>Warum nicht</translation>
    </message>
    <message>
        <source>give one goal: --focal-ratio, --pixel-scale or --efl</source>
        <translation>geben Sie ein Ziel an: --focal-ratio, --pixel-scale oder --efl</translation>
    </message>
    <message>
        <source>needs a goal: --focal-ratio N, --pixel-scale ARCSEC or --efl MM</source>
        <translation>braucht ein Ziel: --focal-ratio N, --pixel-scale ARCSEC oder --efl MM</translation>
    </message>
    <message>
        <source>the setup has no camera; give --camera or --pixel</source>
        <translation>der Aufbau hat keine Kamera; geben Sie --camera oder --pixel an</translation>
    </message>
    <message>
        <source>Focal length (mm)</source>
        <translation>Brennweite (mm)</translation>
    </message>
    <message>
        <source>Aperture (mm)</source>
        <translation>Öffnung (mm)</translation>
    </message>
    <message>
        <source>F-Ratio</source>
        <translation>Öffnungsverhältnis</translation>
    </message>
    <message>
        <source>Offset (mm)</source>
        <translation>Versatz (mm)</translation>
    </message>
    <message>
        <source>Length (mm)</source>
        <translation>Länge (mm)</translation>
    </message>
    <message>
        <source>Pixel (µm)</source>
        <translation>Pixelgröße (µm)</translation>
    </message>
    <message>
        <source>Chip (px)</source>
        <translation>Chip (Pixel)</translation>
    </message>
    <message>
        <source>Binning modes</source>
        <translation>Binning-Modi</translation>
    </message>
    <message>
        <source>give one of telescopes, oculars, cameras</source>
        <translation>geben Sie eines von telescopes, oculars, cameras an</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is none of telescopes, oculars, cameras</source>
        <translation>„%1“ ist keins von telescopes, oculars, cameras</translation>
    </message>
    <message>
        <source>Exit status: 0 done; 1 done, but the calculator showed a message (on standard error),
             or nothing found, imported or written (find, kit, table --kit);
             2 bad input (nothing written); 3 the output could not be written.
</source>
        <translation>Rückgabewert: 0 erledigt; 1 erledigt, aber der Rechner zeigte eine Meldung (auf der
             Standardfehlerausgabe), oder nichts gefunden, importiert oder geschrieben
             (find, kit, table --kit); 2 fehlerhafte Eingabe (nichts geschrieben);
             3 die Ausgabe ließ sich nicht schreiben.
</translation>
    </message>
    <message>
        <source>Usage: vkp2plan COMMAND [OPTIONS]
The VKP-2 Calculator&apos;s planner: what the calculator window shows, for one setup or many.

Commands:
</source>
        <translation>Aufruf: vkp2plan COMMAND [OPTIONS]
Der Planer des VKP-2 Calculator: was das Rechnerfenster zeigt, für einen Aufbau oder viele.

Befehle:
</translation>
    </message>
    <message>
        <source>
After --, no word is an option.
</source>
        <translation>
Nach -- ist kein Wort eine Option.
</translation>
    </message>
    <message>
        <source>Usage: vkp2plan %1 %2
%3.
</source>
        <translation>Aufruf: vkp2plan %1 %2
%3.
</translation>
    </message>
    <message>
        <source>
Options:
</source>
        <translation>
Optionen:
</translation>
    </message>
    <message>
        <source>help: no command &quot;%1&quot;; one of %2</source>
        <translation>help: kein Befehl „%1“; einer von %2</translation>
    </message>
    <message>
        <source>From</source>
        <translation>Quelle</translation>
    </message>
    <message>
        <source>colour</source>
        <translation>Farbe</translation>
    </message>
    <message>
        <source>mono</source>
        <translation>mono</translation>
    </message>
    <message>
        <source>Sensor</source>
        <translation>Sensor</translation>
    </message>
    <message>
        <source>Factor</source>
        <translation>Faktor</translation>
    </message>
    <message>
        <source>Spacing (mm)</source>
        <translation>Abstand (mm)</translation>
    </message>
    <message>
        <source>Eyepiece</source>
        <translation>Okular</translation>
    </message>
    <message>
        <source>Apparent field (°)</source>
        <translation>Scheinbares Gesichtsfeld (°)</translation>
    </message>
    <message>
        <source>Field stop (mm)</source>
        <translation>Feldblende (mm)</translation>
    </message>
    <message>
        <source>Kind</source>
        <translation>Art</translation>
    </message>
    <message>
        <source>kit</source>
        <translation>Ausrüstung</translation>
    </message>
    <message>
        <source>database</source>
        <translation>Datenbank</translation>
    </message>
    <message>
        <source>give one of %1, then the text to look for</source>
        <translation>geben Sie eines von %1 an, dann den gesuchten Text</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is none of %2</source>
        <translation>„%1“ ist keins von %2</translation>
    </message>
    <message>
        <source>give the text to look for after &quot;%1&quot;</source>
        <translation>geben Sie nach „%1“ den gesuchten Text an</translation>
    </message>
    <message>
        <source>&quot;%1&quot; holds no letter or digit</source>
        <translation>„%1“ enthält weder Buchstaben noch Ziffern</translation>
    </message>
    <message>
        <source>a %1 needs %2</source>
        <translation>%1 braucht %2</translation>
    </message>
    <message>
        <source> and </source>
        <translation> und </translation>
    </message>
    <message>
        <source>a chip is a whole number of pixels</source>
        <translation>ein Chip hat eine ganze Zahl von Pixeln</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is no list of modes such as 1,2,3</source>
        <translation>„%1“ ist keine Liste von Modi wie 1,2,3</translation>
    </message>
    <message>
        <source>the database has no %1 &quot;%2&quot;%3; give its values (see &quot;vkp2plan help kit&quot;)</source>
        <translation>%1 „%2“ ist nicht in der Datenbank%3; geben Sie die Werte an (siehe „vkp2plan help kit“)</translation>
    </message>
    <message>
        <source> (did you mean %1?)</source>
        <translation> (meinten Sie %1?)</translation>
    </message>
    <message>
        <source>give the kind (telescope, camera, barlow, eyepiece) and the name</source>
        <translation>geben Sie die Art (telescope, camera, barlow, eyepiece) und den Namen an</translation>
    </message>
    <message>
        <source>usage: vkp2plan kit %1</source>
        <translation>Aufruf: vkp2plan kit %1</translation>
    </message>
    <message>
        <source>skipped: </source>
        <translation>übersprungen: </translation>
    </message>
    <message>
        <source>wrong: </source>
        <translation>fehlerhaft: </translation>
    </message>
    <message>
        <source>left out: </source>
        <translation>ausgelassen: </translation>
    </message>
    <message>
        <source>imported nothing new
</source>
        <translation>nichts Neues importiert
</translation>
    </message>
    <message>
        <source>imported %1
</source>
        <translation>importiert: %1
</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is none of json, ocular-ini, oal</source>
        <translation>„%1“ ist keins von json, ocular-ini, oal</translation>
    </message>
    <message>
        <source>exported %1 to %2
</source>
        <translation>%1 nach %2 exportiert
</translation>
    </message>
    <message>
        <source>not an option of %1</source>
        <translation>keine Option von %1</translation>
    </message>
    <message>
        <source>give one of %1</source>
        <translation>geben Sie eines von %1 an</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is none of px, dawes or an angle in arcsec</source>
        <translation>„%1“ ist weder px noch dawes noch ein Winkel in Bogensekunden</translation>
    </message>
    <message>
        <source>must be a finite angle greater than 0</source>
        <translation>muss ein endlicher Winkel größer als 0 sein</translation>
    </message>
    <message>
        <source>only for a colour sensor: give --colour</source>
        <translation>nur für einen Farbsensor: geben Sie --colour an</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is a %2; give it with %3</source>
        <translation>„%1“ ist vom Typ %2; geben Sie es mit %3 an</translation>
    </message>
    <message>
        <source>give either --mono or --colour</source>
        <translation>geben Sie entweder --mono oder --colour an</translation>
    </message>
    <message>
        <source>give either --design-spacing or --lens-focal-length</source>
        <translation>geben Sie entweder --design-spacing oder --lens-focal-length an</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is none of telescope, camera, barlow, eyepiece</source>
        <translation>„%1“ ist keins von telescope, camera, barlow, eyepiece</translation>
    </message>
    <message>
        <source>cannot write the output</source>
        <translation>die Ausgabe lässt sich nicht schreiben</translation>
    </message>
</context>
</TS>
