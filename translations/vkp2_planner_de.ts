<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de_DE">
<context>
    <name>Box</name>
    <message>
        <source>Focal Length (mm)</source>
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
        <source>Distance TL (0-30mm)</source>
        <translation>Abstand TL (0-30 mm)</translation>
    </message>
    <message>
        <source>Cam. Focal Distance D (mm)</source>
        <translation>Kameraabstand D (mm)</translation>
    </message>
    <message>
        <source>Extended Focal Length (mm)</source>
        <translation>Verlängerte Brennweite (mm)</translation>
    </message>
    <message>
        <source>Extended Focal Ratio</source>
        <translation>Verlängertes Öffnungsverhältnis</translation>
    </message>
    <message>
        <source>Pixel Size Width (microns)</source>
        <translation>Pixelgröße Breite (µm)</translation>
    </message>
    <message>
        <source>Pixel Size Height (microns)</source>
        <translation>Pixelgröße Höhe (µm)</translation>
    </message>
    <message>
        <source>Chip Size Width (pixels)</source>
        <translation>Chipgröße Breite (Pixel)</translation>
    </message>
    <message>
        <source>Chip Size Height (pixels)</source>
        <translation>Chipgröße Höhe (Pixel)</translation>
    </message>
    <message>
        <source>FOV Width (arcmin)</source>
        <translation>Bildfeld Breite (′)</translation>
    </message>
    <message>
        <source>FOV Height (arcmin)</source>
        <translation>Bildfeld Höhe (′)</translation>
    </message>
    <message>
        <source>Scale W (arcsec/pixel)</source>
        <translation>Maßstab Breite (″/Pixel)</translation>
    </message>
    <message>
        <source>Scale H (arcsec/pixel)</source>
        <translation>Maßstab Höhe (″/Pixel)</translation>
    </message>
</context>
<context>
    <name>CalculatorMessage</name>
    <message>
        <source>%1 must be between %2 and %3</source>
        <translation>%1 muss zwischen %2 und %3 liegen</translation>
    </message>
    <message>
        <source>Error</source>
        <translation>Fehler</translation>
    </message>
    <message>
        <source>Input Error</source>
        <translation>Eingabefehler</translation>
    </message>
    <message>
        <source>Value out of range - Only enter numbers.</source>
        <translation>Wert außerhalb des Bereichs - Nur Zahlen eingeben.</translation>
    </message>
    <message>
        <source>Value out of range - Only enter numbers &lt; 100</source>
        <translation>Wert außerhalb des Bereichs - Nur Zahlen &lt; 100 eingeben</translation>
    </message>
    <message>
        <source>Enter a number greater than %1.</source>
        <translation>Eine Zahl größer als %1 eingeben.</translation>
    </message>
    <message>
        <source>F-Length</source>
        <translation>Brennweite</translation>
    </message>
    <message>
        <source>Aperture</source>
        <translation>Öffnung</translation>
    </message>
    <message>
        <source>Distance - D</source>
        <translation>Abstand - D</translation>
    </message>
    <message>
        <source>Distance - TL</source>
        <translation>Abstand - TL</translation>
    </message>
    <message>
        <source>This camera does not support %1 Binning</source>
        <translation>Diese Kamera unterstützt kein %1-Binning</translation>
    </message>
    <message>
        <source>Note</source>
        <translation>Hinweis</translation>
    </message>
</context>
<context>
    <name>Planner</name>
    <message>
        <source>under-sampled</source>
        <translation>unterabgetastet</translation>
    </message>
    <message>
        <source>well sampled</source>
        <translation>gut abgetastet</translation>
    </message>
    <message>
        <source>over-sampled</source>
        <translation>überabgetastet</translation>
    </message>
    <message>
        <source>Moon</source>
        <translation>Mond</translation>
    </message>
    <message>
        <source>Sun</source>
        <translation>Sonne</translation>
    </message>
    <message>
        <source>Mercury</source>
        <translation>Merkur</translation>
    </message>
    <message>
        <source>Venus</source>
        <translation>Venus</translation>
    </message>
    <message>
        <source>Mars</source>
        <translation>Mars</translation>
    </message>
    <message>
        <source>Jupiter</source>
        <translation>Jupiter</translation>
    </message>
    <message>
        <source>Saturn</source>
        <translation>Saturn</translation>
    </message>
    <message>
        <source>Uranus</source>
        <translation>Uranus</translation>
    </message>
    <message>
        <source>Neptune</source>
        <translation>Neptun</translation>
    </message>
    <message>
        <source>fits with %1 % to spare</source>
        <translation>passt mit %1 % Reserve</translation>
    </message>
    <message>
        <source>width</source>
        <translation>Breite</translation>
    </message>
    <message>
        <source>height</source>
        <translation>Höhe</translation>
    </message>
    <message>
        <source>does not fit: %1 % of the frame %2</source>
        <translation>passt nicht: %1 % der %2 des Bildes</translation>
    </message>
    <message>
        <source>the ephemeris covers %1 to %2</source>
        <translation>die Ephemeride reicht von %1 bis %2</translation>
    </message>
    <message>
        <source>a mosaic needs a camera frame and at most %1 panes</source>
        <translation>ein Mosaik braucht ein Kamerabild und höchstens %1 Felder</translation>
    </message>
    <message>
        <source>Methane</source>
        <translation>Methan</translation>
    </message>
    <message>
        <source>Nyquist (2 × pixel / wavelength)</source>
        <translation>Nyquist (2 × Pixel / Wellenlänge)</translation>
    </message>
    <message>
        <source>Nyquist–Shannon sampling of the diffraction cut-off 1/(λN)</source>
        <translation>Nyquist-Shannon-Abtastung der Beugungsgrenzfrequenz 1/(λN)</translation>
    </message>
    <message>
        <source>5 × pixel (up to 7 × in excellent seeing)</source>
        <translation>5 × Pixel (bis 7 × bei sehr gutem Seeing)</translation>
    </message>
    <message>
        <source>a rule of thumb widely quoted among planetary imagers; 1.37 × Nyquist at 550 nm</source>
        <translation>eine unter Planetenfotografen verbreitete Faustregel; 1,37 × Nyquist bei 550 nm</translation>
    </message>
    <message>
        <source>needs D = %1 mm; the adapter allows %2 to %3</source>
        <translation>braucht D = %1 mm; der Adapter erlaubt %2 bis %3</translation>
    </message>
    <message>
        <source>the telescope focal length must be above 0 and at most %1 mm</source>
        <translation>die Brennweite des Teleskops muss über 0 und höchstens %1 mm sein</translation>
    </message>
    <message>
        <source>the focal length must be above 0</source>
        <translation>die Brennweite muss über 0 sein</translation>
    </message>
    <message>
        <source>the focal ratio and the aperture must be above 0</source>
        <translation>Öffnungsverhältnis und Öffnung müssen über 0 sein</translation>
    </message>
    <message>
        <source>the pixel scale and the pixel size must be above 0</source>
        <translation>Abbildungsmaßstab und Pixelgröße müssen über 0 sein</translation>
    </message>
    <message>
        <source>No-VKP2: at prime focus the focal length does not depend on D</source>
        <translation>No-VKP2: im Primärfokus hängt die Brennweite nicht von D ab</translation>
    </message>
    <message>
        <source>the ocular focal length must be above 0</source>
        <translation>die Brennweite des Okulars muss über 0 sein</translation>
    </message>
    <message>
        <source>TL must be %1 to %2 mm</source>
        <translation>TL muss %1 bis %2 mm sein</translation>
    </message>
    <message>
        <source>cannot read &quot;%1&quot;</source>
        <translation>„%1“ kann nicht gelesen werden</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is empty</source>
        <translation>„%1“ ist leer</translation>
    </message>
    <message>
        <source>&quot;%1&quot; holds NUL bytes; it is no setup file</source>
        <translation>„%1“ enthält NUL-Bytes; es ist keine Setup-Datei</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is a binary file, no setup file</source>
        <translation>„%1“ ist eine Binärdatei, keine Setup-Datei</translation>
    </message>
    <message>
        <source>&quot;%1&quot; names no telescope of the list (&quot;%2&quot;)</source>
        <translation>„%1“ nennt kein Teleskop der Liste („%2“)</translation>
    </message>
    <message>
        <source>&quot;%1&quot; names no ocular of the list (&quot;%2&quot;); the calculator takes its own instead</source>
        <translation>„%1“ nennt kein Okular der Liste („%2“); der Rechner nimmt stattdessen sein eigenes</translation>
    </message>
    <message>
        <source>&quot;%1&quot; names no camera of the list (&quot;%2&quot;); the calculator takes its own instead</source>
        <translation>„%1“ nennt keine Kamera der Liste („%2“); der Rechner nimmt stattdessen seine eigene</translation>
    </message>
    <message>
        <source>no aperture</source>
        <translation>keine Öffnung</translation>
    </message>
    <message>
        <source>no camera pixel size</source>
        <translation>keine Pixelgröße der Kamera</translation>
    </message>
    <message>
        <source>the calculator accepts no such telescope</source>
        <translation>der Rechner nimmt kein solches Teleskop an</translation>
    </message>
    <message>
        <source>TL is not a number</source>
        <translation>TL ist keine Zahl</translation>
    </message>
    <message>
        <source>Factor</source>
        <translation>Faktor</translation>
    </message>
    <message>
        <source>Design spacing (mm)</source>
        <translation>Design-Abstand (mm)</translation>
    </message>
    <message>
        <source>Spacing (mm)</source>
        <translation>Abstand (mm)</translation>
    </message>
    <message>
        <source>Eyepiece (mm)</source>
        <translation>Okular (mm)</translation>
    </message>
    <message>
        <source>Projection distance (mm)</source>
        <translation>Projektionsabstand (mm)</translation>
    </message>
    <message>
        <source>Camera lens (mm)</source>
        <translation>Kameraobjektiv (mm)</translation>
    </message>
    <message>
        <source>the factor must be %1 to %2</source>
        <translation>der Faktor muss %1 bis %2 sein</translation>
    </message>
    <message>
        <source>a Barlow&apos;s factor is 1 or more; %1 is a reducer&apos;s</source>
        <translation>der Faktor einer Barlowlinse ist 1 oder mehr; %1 ist der eines Reducers</translation>
    </message>
    <message>
        <source>a reducer&apos;s factor is 1 or less; %1 is a Barlow&apos;s</source>
        <translation>der Faktor eines Reducers ist 1 oder weniger; %1 ist der einer Barlowlinse</translation>
    </message>
    <message>
        <source>the design spacing must be %1</source>
        <translation>der Design-Abstand muss %1 sein</translation>
    </message>
    <message>
        <source>a Barlow&apos;s focal length is below 0</source>
        <translation>die Brennweite einer Barlowlinse ist negativ</translation>
    </message>
    <message>
        <source>a reducer&apos;s focal length is above 0</source>
        <translation>die Brennweite eines Reducers ist positiv</translation>
    </message>
    <message>
        <source>a factor of 1 has no power: no spacing changes it</source>
        <translation>ein Faktor 1 hat keine Wirkung: kein Abstand ändert ihn</translation>
    </message>
    <message>
        <source>a fixed factor has no spacing to set without the design spacing its factor is for</source>
        <translation>ein fester Faktor hat keinen einstellbaren Abstand ohne den Design-Abstand, für den er gilt</translation>
    </message>
    <message>
        <source>the spacing must be %1</source>
        <translation>der Abstand muss %1 sein</translation>
    </message>
    <message>
        <source>a spacing of %1 mm is at or past the reducer&apos;s focal length of %2 mm: it forms no image</source>
        <translation>ein Abstand von %1 mm erreicht oder überschreitet die Brennweite des Reducers von %2 mm: es entsteht kein Bild</translation>
    </message>
    <message>
        <source>the eyepiece&apos;s focal length must be %1</source>
        <translation>die Brennweite des Okulars muss %1 sein</translation>
    </message>
    <message>
        <source>the projection distance must be %1</source>
        <translation>der Projektionsabstand muss %1 sein</translation>
    </message>
    <message>
        <source>a projection distance of %1 mm is not beyond the eyepiece&apos;s %2 mm: it forms no image</source>
        <translation>ein Projektionsabstand von %1 mm liegt nicht über den %2 mm des Okulars: es entsteht kein Bild</translation>
    </message>
    <message>
        <source>the camera lens&apos;s focal length must be %1</source>
        <translation>die Brennweite des Kameraobjektivs muss %1 sein</translation>
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
        <source>eyepiece projection %1</source>
        <translation>Okularprojektion %1</translation>
    </message>
    <message>
        <source>afocal %1 eyepiece, %2 mm lens</source>
        <translation>afokal, Okular %1, Objektiv %2 mm</translation>
    </message>
    <message>
        <source>spacing</source>
        <translation>Abstand</translation>
    </message>
    <message>
        <source>projection distance</source>
        <translation>Projektionsabstand</translation>
    </message>
    <message>
        <source>needs a factor of %1: %2 lengthens the focal length, never shortens it</source>
        <translation>braucht einen Faktor %1: %2 verlängert die Brennweite, verkürzt sie nie</translation>
    </message>
    <message>
        <source>needs a factor of %1: %2 shortens the focal length, never lengthens it</source>
        <translation>braucht einen Faktor %1: %2 verkürzt die Brennweite, verlängert sie nie</translation>
    </message>
    <message>
        <source>%1 is usable from %2 to %3 mm</source>
        <translation>%1 ist von %2 bis %3 mm nutzbar</translation>
    </message>
    <message>
        <source>needs a spacing of %1 mm, which no lens can have; %2</source>
        <translation>braucht einen Abstand von %1 mm, den keine Linse haben kann; %2</translation>
    </message>
    <message>
        <source>, %1 mm beyond the design %2 mm</source>
        <translation>, %1 mm über den Design-Abstand von %2 mm hinaus</translation>
    </message>
    <message>
        <source>needs a spacing of %1 mm%2; %3</source>
        <translation>braucht einen Abstand von %1 mm%2; %3</translation>
    </message>
    <message>
        <source>needs a projection distance of %1 mm; the eyepiece projects from above %2 to %3 mm</source>
        <translation>braucht einen Projektionsabstand von %1 mm; das Okular projiziert von über %2 bis %3 mm</translation>
    </message>
    <message>
        <source>the adapter</source>
        <translation>der Adapter</translation>
    </message>
    <message>
        <source>the goal must be above 0</source>
        <translation>die Vorgabe muss über 0 sein</translation>
    </message>
    <message>
        <source>%1 has a fixed factor: no distance changes the focal length</source>
        <translation>%1 hat einen festen Faktor: kein Abstand ändert die Brennweite</translation>
    </message>
    <message>
        <source>Telescope</source>
        <translation>Teleskop</translation>
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
        <source>Ocular</source>
        <translation>Okular</translation>
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
        <source>Camera</source>
        <translation>Kamera</translation>
    </message>
    <message>
        <source>Pixel width (µm)</source>
        <translation>Pixelbreite (µm)</translation>
    </message>
    <message>
        <source>Pixel height (µm)</source>
        <translation>Pixelhöhe (µm)</translation>
    </message>
    <message>
        <source>Chip width (px)</source>
        <translation>Chipbreite (px)</translation>
    </message>
    <message>
        <source>Chip height (px)</source>
        <translation>Chiphöhe (px)</translation>
    </message>
    <message>
        <source>Binning</source>
        <translation>Binning</translation>
    </message>
    <message>
        <source>magnification below 1: the projection reduces the image</source>
        <translation>Vergrößerung unter 1: die Projektion verkleinert das Bild</translation>
    </message>
    <message>
        <source>magnification 0 or below: the ocular forms no image at this D</source>
        <translation>Vergrößerung 0 oder kleiner: das Okular erzeugt bei diesem D kein Bild</translation>
    </message>
    <message>
        <source>the lens is spaced outside its usable range (a Barlow %1 to %2 times its design spacing, a reducer %1 to %3 times and short of its focal length)</source>
        <translation>die Linse sitzt außerhalb ihres nutzbaren Bereichs (eine Barlowlinse beim %1- bis %2-Fachen ihres Design-Abstands, ein Reducer beim %1- bis %3-Fachen und vor seiner Brennweite)</translation>
    </message>
    <message>
        <source>long exposures only: lucky imaging of the Moon, Sun and planets beats the seeing</source>
        <translation>nur für lange Belichtungen: Lucky Imaging von Mond, Sonne und Planeten überlistet das Seeing</translation>
    </message>
    <message>
        <source>the longest capture before a feature at the centre of the disc moves by the blur; derotation software (WinJUPOS) can stack longer</source>
        <translation>die längste Aufnahme, bevor sich ein Detail in der Scheibenmitte um die Unschärfe bewegt; Derotation (WinJUPOS) erlaubt längere Aufnahmen</translation>
    </message>
    <message>
        <source>%1 (width), %2 (height)</source>
        <translation>%1 (Breite), %2 (Höhe)</translation>
    </message>
    <message>
        <source>%1 to %2%3</source>
        <translation>%1 bis %2%3</translation>
    </message>
</context>
<context>
    <name>Storage</name>
    <message>
        <source>%1 is not a finite number</source>
        <translation>%1 ist keine endliche Zahl</translation>
    </message>
    <message>
        <source>%1 %2%4 is outside %3 to %5%4</source>
        <translation>%1 %2%4 liegt außerhalb von %3 bis %5%4</translation>
    </message>
    <message>
        <source>the name is empty</source>
        <translation>der Name ist leer</translation>
    </message>
    <message>
        <source>the name is longer than %1 characters</source>
        <translation>der Name ist länger als %1 Zeichen</translation>
    </message>
    <message>
        <source>the name holds a broken character (U+%1)</source>
        <translation>der Name enthält ein defektes Zeichen (U+%1)</translation>
    </message>
    <message>
        <source>the name holds a control character (U+%1)</source>
        <translation>der Name enthält ein Steuerzeichen (U+%1)</translation>
    </message>
    <message>
        <source>the name holds no letter or digit</source>
        <translation>der Name enthält keinen Buchstaben und keine Ziffer</translation>
    </message>
    <message>
        <source>binning %1 is outside 1 to %2</source>
        <translation>Binning %1 liegt außerhalb von 1 bis %2</translation>
    </message>
    <message>
        <source>the binning list is empty</source>
        <translation>die Binning-Liste ist leer</translation>
    </message>
    <message>
        <source>the binning list starts with %1, not 1</source>
        <translation>die Binning-Liste beginnt mit %1, nicht mit 1</translation>
    </message>
    <message>
        <source>binning %1 after %2 is not ascending</source>
        <translation>Binning %1 nach %2 ist nicht aufsteigend</translation>
    </message>
    <message>
        <source>binning %1 is larger than the chip&apos;s %2 px side</source>
        <translation>Binning %1 ist größer als die Chipseite von %2 px</translation>
    </message>
    <message>
        <source>%1 %2 px is outside %3 to %4 px</source>
        <translation>%1 %2 px liegt außerhalb von %3 bis %4 px</translation>
    </message>
    <message>
        <source>focal length</source>
        <translation>Brennweite</translation>
    </message>
    <message>
        <source>focal length %1 mm is outside %2 to %3 mm in size</source>
        <translation>Brennweite %1 mm liegt dem Betrag nach außerhalb von %2 bis %3 mm</translation>
    </message>
    <message>
        <source>focal length %1 mm is positive, but a Barlow&apos;s is negative</source>
        <translation>Brennweite %1 mm ist positiv, die einer Barlowlinse aber negativ</translation>
    </message>
    <message>
        <source>focal length %1 mm is negative, but a reducer&apos;s is positive</source>
        <translation>Brennweite %1 mm ist negativ, die eines Reducers aber positiv</translation>
    </message>
    <message>
        <source>aperture</source>
        <translation>Öffnung</translation>
    </message>
    <message>
        <source>pixel width</source>
        <translation>Pixelbreite</translation>
    </message>
    <message>
        <source>pixel height</source>
        <translation>Pixelhöhe</translation>
    </message>
    <message>
        <source>width</source>
        <translation>Breite</translation>
    </message>
    <message>
        <source>height</source>
        <translation>Höhe</translation>
    </message>
    <message>
        <source>factor</source>
        <translation>Faktor</translation>
    </message>
    <message>
        <source>design spacing</source>
        <translation>Design-Abstand</translation>
    </message>
    <message>
        <source>apparent field</source>
        <translation>Eigengesichtsfeld</translation>
    </message>
    <message>
        <source>field stop</source>
        <translation>Feldblende</translation>
    </message>
    <message>
        <source>%1 &quot;%2&quot; is already in the kit; left out</source>
        <translation>%1 „%2“ ist schon in der Ausrüstung; ausgelassen</translation>
    </message>
    <message>
        <source>%1 &quot;%2&quot; comes twice; the second left out</source>
        <translation>%1 „%2“ kommt doppelt vor; der zweite Eintrag ausgelassen</translation>
    </message>
    <message>
        <source>more than %1 entries of one kind; no kit is that large</source>
        <translation>mehr als %1 Einträge einer Art; so groß ist keine Ausrüstung</translation>
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
        <source>Barlow or reducer</source>
        <translation>Barlowlinse oder Reducer</translation>
    </message>
    <message>
        <source>eyepiece</source>
        <translation>Okular</translation>
    </message>
    <message>
        <source>a folder, not a kit file</source>
        <translation>ein Ordner, keine Ausrüstungsdatei</translation>
    </message>
    <message>
        <source>a kit file</source>
        <translation>eine Ausrüstungsdatei</translation>
    </message>
    <message>
        <source>not UTF-8 text, so no kit file</source>
        <translation>kein UTF-8-Text, also keine Ausrüstungsdatei</translation>
    </message>
    <message>
        <source>; left as it is</source>
        <translation>; unverändert gelassen</translation>
    </message>
    <message>
        <source>the data folder cannot be made: the system names none</source>
        <translation>der Datenordner kann nicht angelegt werden: das System nennt keinen</translation>
    </message>
    <message>
        <source>the data folder %1 cannot be made</source>
        <translation>der Datenordner %1 kann nicht angelegt werden</translation>
    </message>
    <message>
        <source>line %1, column %2</source>
        <translation>Zeile %1, Spalte %2</translation>
    </message>
    <message>
        <source>is not a text</source>
        <translation>ist kein Text</translation>
    </message>
    <message>
        <source>is not a number</source>
        <translation>ist keine Zahl</translation>
    </message>
    <message>
        <source>is missing</source>
        <translation>fehlt</translation>
    </message>
    <message>
        <source>is not a whole number</source>
        <translation>ist keine ganze Zahl</translation>
    </message>
    <message>
        <source>is not &quot;colour&quot;, &quot;mono&quot; or &quot;unknown&quot;</source>
        <translation>ist nicht „colour“, „mono“ oder „unknown“</translation>
    </message>
    <message>
        <source>is not a list</source>
        <translation>ist keine Liste</translation>
    </message>
    <message>
        <source>holds something other than whole numbers</source>
        <translation>enthält etwas anderes als ganze Zahlen</translation>
    </message>
    <message>
        <source>&quot;%1&quot; %2</source>
        <translation>„%1“ %2</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not a list</source>
        <translation>„%1“ ist keine Liste</translation>
    </message>
    <message>
        <source>not an object</source>
        <translation>kein Objekt</translation>
    </message>
    <message>
        <source>&quot;version&quot; is missing or not a whole number</source>
        <translation>„version“ fehlt oder ist keine ganze Zahl</translation>
    </message>
    <message>
        <source>version %1 is newer than this program reads</source>
        <translation>Version %1 ist neuer, als dieses Programm lesen kann</translation>
    </message>
    <message>
        <source>version %1 is not a kit file version</source>
        <translation>Version %1 ist keine Version einer Ausrüstungsdatei</translation>
    </message>
    <message>
        <source>the file holds no JSON object</source>
        <translation>die Datei enthält kein JSON-Objekt</translation>
    </message>
    <message>
        <source>&quot;format&quot; is not &quot;%1&quot;: not a kit file</source>
        <translation>„format“ ist nicht „%1“: keine Ausrüstungsdatei</translation>
    </message>
    <message>
        <source>%1: cannot be written</source>
        <translation>%1: kann nicht geschrieben werden</translation>
    </message>
    <message>
        <source>larger than %1 MiB, too large for %2</source>
        <translation>größer als %1 MiB, zu groß für %2</translation>
    </message>
    <message>
        <source>not a regular file, so not %1</source>
        <translation>keine gewöhnliche Datei, also nicht %1</translation>
    </message>
    <message>
        <source>cannot be read (%1)</source>
        <translation>kann nicht gelesen werden (%1)</translation>
    </message>
    <message>
        <source>a second %1 named &quot;%2&quot;</source>
        <translation>ein zweites Gerät (%1) namens „%2“</translation>
    </message>
    <message>
        <source>the file holds no equipment</source>
        <translation>die Datei enthält keine Ausrüstung</translation>
    </message>
    <message>
        <source>no such file</source>
        <translation>keine solche Datei</translation>
    </message>
    <message>
        <source>a folder, not an equipment file</source>
        <translation>ein Ordner, keine Ausrüstungsdatei</translation>
    </message>
    <message>
        <source>an equipment file</source>
        <translation>eine Ausrüstungsdatei</translation>
    </message>
    <message>
        <source>the file is empty</source>
        <translation>die Datei ist leer</translation>
    </message>
    <message>
        <source>not an equipment file this program reads (ocular.ini, OAL, KStars, N.I.N.A. or kit.json)</source>
        <translation>keine Ausrüstungsdatei, die dieses Programm liest (ocular.ini, OAL, KStars, N.I.N.A. oder kit.json)</translation>
    </message>
    <message>
        <source>a kit cannot be exported as %1</source>
        <translation>eine Ausrüstung kann nicht als %1 exportiert werden</translation>
    </message>
    <message>
        <source>%1: the kit file itself; export to another file</source>
        <translation>%1: die Ausrüstungsdatei selbst; exportieren Sie in eine andere Datei</translation>
    </message>
    <message>
        <source>%1: the %2 text could not be made; the file is left as it is</source>
        <translation>%1: der %2-Text konnte nicht erzeugt werden; die Datei bleibt unverändert</translation>
    </message>
    <message>
        <source>the file declares a DOCTYPE; an observation log has none</source>
        <translation>die Datei erklärt einen DOCTYPE; ein Beobachtungsprotokoll hat keinen</translation>
    </message>
    <message>
        <source>not an OAL observation log (it starts with &lt;%1&gt;)</source>
        <translation>kein OAL-Beobachtungsprotokoll (es beginnt mit &lt;%1&gt;)</translation>
    </message>
    <message>
        <source>OAL version %1; only 2.x logs are read</source>
        <translation>OAL-Version %1; nur Protokolle der Version 2.x werden gelesen</translation>
    </message>
    <message>
        <source>not an OAL observation log</source>
        <translation>kein OAL-Beobachtungsprotokoll</translation>
    </message>
    <message>
        <source>the observation log breaks off at line %1</source>
        <translation>das Beobachtungsprotokoll bricht in Zeile %1 ab</translation>
    </message>
    <message>
        <source>the observation log is not well-formed XML at line %1: %2</source>
        <translation>das Beobachtungsprotokoll ist in Zeile %1 kein wohlgeformtes XML: %2</translation>
    </message>
    <message>
        <source>%1 is given twice</source>
        <translation>%1 ist doppelt angegeben</translation>
    </message>
    <message>
        <source>no model</source>
        <translation>kein Modell</translation>
    </message>
    <message>
        <source>binoculars (a fixed magnification, no focal length)</source>
        <translation>Fernglas (feste Vergrößerung, keine Brennweite)</translation>
    </message>
    <message>
        <source>apparentFOV unit &quot;%1&quot; is none of deg, arcmin, arcsec, rad</source>
        <translation>apparentFOV-Einheit „%1“ ist keine von deg, arcmin, arcsec, rad</translation>
    </message>
    <message>
        <source>no pixel counts and sizes to work with</source>
        <translation>keine Pixelzahlen und -größen, mit denen sich arbeiten lässt</translation>
    </message>
    <message>
        <source>an observation log</source>
        <translation>ein Beobachtungsprotokoll</translation>
    </message>
    <message>
        <source>%1 is no text</source>
        <translation>%1 ist kein Text</translation>
    </message>
    <message>
        <source>(binary)</source>
        <translation>(binär)</translation>
    </message>
    <message>
        <source>the file cannot be read as an SQLite database: %1</source>
        <translation>die Datei kann nicht als SQLite-Datenbank gelesen werden: %1</translation>
    </message>
    <message>
        <source>no telescope, eyepiece, lens or dslr table: not KStars&apos; user database</source>
        <translation>keine Tabelle telescope, eyepiece, lens oder dslr: nicht die Benutzerdatenbank von KStars</translation>
    </message>
    <message>
        <source>table %1</source>
        <translation>Tabelle %1</translation>
    </message>
    <message>
        <source>no column %1</source>
        <translation>keine Spalte %1</translation>
    </message>
    <message>
        <source>the %1 table cannot be read: %2</source>
        <translation>die Tabelle %1 kann nicht gelesen werden: %2</translation>
    </message>
    <message>
        <source>%1 row %2</source>
        <translation>%1, Zeile %2</translation>
    </message>
    <message>
        <source>there is no file %1</source>
        <translation>es gibt keine Datei %1</translation>
    </message>
    <message>
        <source>%1 cannot be read</source>
        <translation>%1 kann nicht gelesen werden</translation>
    </message>
    <message>
        <source>%1 is no SQLite database</source>
        <translation>%1 ist keine SQLite-Datenbank</translation>
    </message>
    <message>
        <source>Qt&apos;s SQLite driver is not installed (on Debian: libqt6sql6-sqlite); KStars&apos; database cannot be read without it</source>
        <translation>Der SQLite-Treiber von Qt ist nicht installiert (unter Debian: libqt6sql6-sqlite); ohne ihn kann die Datenbank von KStars nicht gelesen werden</translation>
    </message>
    <message>
        <source>the database cannot be opened: %1</source>
        <translation>die Datenbank kann nicht geöffnet werden: %1</translation>
    </message>
    <message>
        <source>%1 &quot;%2&quot; is no number</source>
        <translation>%1 „%2“ ist keine Zahl</translation>
    </message>
    <message>
        <source>%1 &quot;%2&quot; is no whole number</source>
        <translation>%1 „%2“ ist keine ganze Zahl</translation>
    </message>
    <message>
        <source>binoculars, not an eyepiece</source>
        <translation>Fernglas, kein Okular</translation>
    </message>
    <message>
        <source>[%1] %2 %3 is no count of entries a kit may hold</source>
        <translation>[%1] %2 %3 ist keine Anzahl von Einträgen, die eine Ausrüstung haben kann</translation>
    </message>
    <message>
        <source>[%1] holds more entries than any kit</source>
        <translation>[%1] enthält mehr Einträge als jede Ausrüstung</translation>
    </message>
    <message>
        <source>[%1] entry %2</source>
        <translation>[%1] Eintrag %2</translation>
    </message>
    <message>
        <source>no room for a temporary copy to read it from</source>
        <translation>kein Platz für eine temporäre Kopie zum Lesen</translation>
    </message>
    <message>
        <source>not an INI file</source>
        <translation>keine INI-Datei</translation>
    </message>
    <message>
        <source>not a Stellarium ocular.ini: no [telescope], [ccd], [lens] or [ocular] section</source>
        <translation>keine ocular.ini von Stellarium: kein Abschnitt [telescope], [ccd], [lens] oder [ocular]</translation>
    </message>
    <message>
        <source>a N.I.N.A. profile declares no document type</source>
        <translation>ein N.I.N.A.-Profil erklärt keinen Dokumenttyp</translation>
    </message>
    <message>
        <source>not a N.I.N.A. profile: the document is &lt;%1&gt;, not &lt;%2&gt;</source>
        <translation>kein N.I.N.A.-Profil: das Dokument ist &lt;%1&gt;, nicht &lt;%2&gt;</translation>
    </message>
    <message>
        <source>not XML: %1 (line %2)</source>
        <translation>kein XML: %1 (Zeile %2)</translation>
    </message>
    <message>
        <source>no %1</source>
        <translation>kein Wert für %1</translation>
    </message>
</context>
</TS>
