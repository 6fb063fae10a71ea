<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de_DE">
<context>
    <name>KitDialog</name>
    <message>
        <source>Planner kit (*.json)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Stellarium Oculars (*.ini)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>OAL observation log (*.xml)</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>KitEntryForm</name>
    <message>
        <source>&amp;Name:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Focal length (mm):</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Aperture (mm):</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Pixel &amp;width (µm):</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Pixel &amp;height (µm):</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Pixels &amp;across:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Pixels &amp;down:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Sensor:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Binning (N of NxN, e.g. 1, 2, 4):</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Factor (above 1 a Barlow, below 1 a reducer):</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>F&amp;ocal length (mm, optional):</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Design &amp;spacing (mm, optional):</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Apparent field (°, optional):</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Field s&amp;top (mm, optional):</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>QObject</name>
    <message>
        <source>%1 on the date</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>nothing was produced to write</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>vkp2::planner_window</name>
    <message>
        <source>%1 in projection</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 (typed)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 + %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1, D %2 mm</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1, spacing %2 mm</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1, projection distance %2 mm</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 (prime focus)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 at prime focus, fixed</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1, fixed</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Colour</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Mono</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Unknown</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Cameras</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Barlows and reducers</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>E&amp;yepieces</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Telescopes</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Name</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Pixel (µm)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Sensor (px)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Binning</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Factor</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Focal length (mm)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Design spacing (mm)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Apparent field (°)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Field stop (mm)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Aperture (mm)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 (%2)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Taken: %n entries</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Can be taken: %n entries (nothing is taken yet)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Nothing was taken.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>No entry can be taken.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Skipped: %n</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Errors: %n</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Held by the kit already: %n</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>no %1 beside the planner or on the PATH</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 did not start</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>A calculator is running already; close it and try again. Nothing was written.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The setup could not be written to %1.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The calculator was started with this setup (%1).</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The setup was written to %1, but the calculator could not be started: %2.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>1 px (%1)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the Dawes limit (%1)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>no limit</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 h</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 s</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 min %2 s</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 h %2 min</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 on %2: %3, %4 % of the way from its smallest to its largest</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Rings: %1 × %2, opening B %3°</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Longest capture before rotation blurs by %1: %2; derotation (WinJUPOS) extends it</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Mosaic: %1 × %2 grid, %3 panes</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Mosaic: none; %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Rayleigh limit at %1 nm: %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Seeing: %1, %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Seeing: %1</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>vkp2::planner_window::DatabaseSearch</name>
    <message>
        <source>Add from the database: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Search the database</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Maker or model, e.g. “asi 462”</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Search:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Matches</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Matches:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Number of matches</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Last added</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Add to the kit</source>
        <translation type="unfinished"></translation>
    </message>
    <message numerus="yes">
        <source>Type part of a name: %n entries to search.</source>
        <translation type="unfinished">
            <numerusform></numerusform>
            <numerusform></numerusform>
        </translation>
    </message>
    <message>
        <source>%1 matches; the first %2 are shown.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>1 match.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 matches.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>vkp2::planner_window::ElementPanel</name>
    <message>
        <source>Element</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>VKP-2 only</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Barlow</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Reducer</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Eyepiece projection</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Afocal</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Element type</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Element from the kit</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>at the design spacing</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Where the element sits</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Element problem</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Element t&amp;ype:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Pick from the kit:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Typed values</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The lens alone at prime focus (ocular %1).</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The lens in front of the VKP-2 ocular %1; choose the ocular %2 for the lens alone.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>In the VKP-2&apos;s place: its ocular and distances are not used.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1: “%2” is not a number.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>vkp2::planner_window::FocalChart</name>
    <message>
        <source>Focal ratio against %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Pixel scale against %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Focal ratio (log scale)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Pixel scale, ″/px (log scale)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>EFL %1 mm</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Focal ratio %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Field %1 × %2′</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Scale %1 × %2″/px</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Focal ratio chart</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Pixel scale chart</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 (fixed, at 0 mm)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>No-VKP2 (prime focus)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 or %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 (mm)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>well sampled: N = %1 to %2 N = %3</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>well sampled: seeing/3 = %1 to seeing/2 = %2 ″/px</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>No sampling band: it needs a camera&apos;s pixel size, and “%1” has none.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>No sampling band: the camera&apos;s pixel size holds no usable number.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Choose a camera to see the pixel scale.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>No curve: the telescope or TL holds no usable number.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>focal ratio %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>field %1 × %2′</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>pixel scale %1 × %2″/px</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1, D %2 mm</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1: %2</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>vkp2::planner_window::FramingView</name>
    <message>
        <source>Framing picture</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Choose a camera with pixel and chip sizes to see the frame.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>vkp2::planner_window::ImportReport</name>
    <message>
        <source>Import</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Import report</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Some entries of the file are wrong. &amp;Report:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Report:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Take the others</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Take &amp;nothing</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>vkp2::planner_window::KitDialog</name>
    <message>
        <source>Kit</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The kit file %1 cannot be read: %2
It is left as it is; until it is mended the database can only be looked at.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Kit file problem</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Kinds of equipment</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Kit: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Add from the &amp;database…</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;New…</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Edit…</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Remove</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Import…</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>E&amp;xport…</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Kit status</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 is in the kit already.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 added.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The kit could not be written to %1: %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Saved to %1.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>New entry</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Edit %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 is in the kit already; %2 is left as it was.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 changed.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 removed.</source>
        <translation type="unfinished"></translation>
    </message>
    <message numerus="yes">
        <source>%n entries taken from the import.</source>
        <translation type="unfinished">
            <numerusform></numerusform>
            <numerusform></numerusform>
        </translation>
    </message>
    <message>
        <source>%1 could not be imported: %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The kit could not be exported to %1: %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message numerus="yes">
        <source>%n entries exported to %1.</source>
        <translation type="unfinished">
            <numerusform></numerusform>
            <numerusform></numerusform>
        </translation>
    </message>
    <message>
        <source>Import equipment</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Equipment files (*.json *.ini *.xml *.oal *.profile *.sqlite *.db);;All files (*)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Export the kit</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>vkp2::planner_window::KitEntryForm</name>
    <message>
        <source>Not known</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Colour (Bayer matrix)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Mono</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Entry problem</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Not a whole number</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Not a number</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1: “%2” is not a number.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>vkp2::planner_window::NightPanel</name>
    <message>
        <source>Date</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The night planned for, in UTC unless an offset is given: 2027-01-10T22:00Z, 2027-01-10T23:00+01:00, 2027-01-10 22:00 or 2027-01-10; %1.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Now</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Date: now</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Filter</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 (%2 nm)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Wavelength (nm)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Sampling rule</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Colour factor</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Blur for derotation</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>One pixel</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Dawes limit</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Typed (″)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Blur (arcsec)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Full-disc mosaic</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Overlap (%)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Rotation (°)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Night problems</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Night, filter and mosaic</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Date:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Filter:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Wa&amp;velength (nm):</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Sampling rule:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Colour factor:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Blur for derotation:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Blur (″):</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Overlap (%):</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Rotation (°):</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>“%1” is not a date; e.g. 2027-01-10T22:00Z.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 is outside the ephemeris: %2.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>“%1” is not a wavelength from %2 to %3 nm.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>“%1” is no blur above 0″.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>“%1” is not an overlap from %2 to %3 %.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>“%1” is not an angle.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>vkp2::planner_window::PlannerWindow</name>
    <message>
        <source>Focal ratio</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Pixel scale</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Chart shows</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Values at the chart&apos;s cursor</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Framing in words</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Chart shows:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Arrow keys move the cursor, Enter picks the point.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Chart</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Framing at the chosen element and distance</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Solve for the distance</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Export &amp;chart…</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Export chart</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>PNG image (*.png);;SVG drawing (*.svg)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Export &amp;framing…</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Export framing</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Export &amp;solve table…</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Export solve table</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>CSV table (*.csv)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Export &amp;mosaic panes (CSV)…</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Export mosaic panes</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Take the calculator&apos;s setup</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Open in the calculator</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Quit</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Kit</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Kit…</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>View</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Night mode</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;About VKP-2 Planner</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1
Version %2.%3.%4

Plans eyepiece projection through the VKP-2 adapter: focal ratio and pixel scale against D, framing and sampling.
%5</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>About %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The calculator has no saved setup to take (%1).</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Target</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 at D %2 mm</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1: EFL %2 mm, focal ratio %3.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>No frame to fit the target into.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Filled: the target; dashed outline: the same size.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Filled: smallest size; dashed outline: largest; bold: on the date.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Filled: smallest size; dashed outline: largest.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The %1 could not be written to %2:
%3</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Export failed</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1, TL %2 mm, D %3 mm</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1: %2 (%3 mm, %4 mm), %5; camera %6, binning %7</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The %1 could not be written to %2:
the name ends in “.%3”, which is no picture format the planner writes. Use .png or .svg.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>chart</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>framing picture</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>mosaic panes</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>solve table</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>vkp2::planner_window::SetupPanel</name>
    <message>
        <source>Seeing (arcsec)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Target</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Target size (arcsec)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Colo&amp;ur sensor (Bayer matrix)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Colour sensor</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Input problems</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Kit problem</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Telescope</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Projection</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Camera</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Sky and target</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Seeing:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Ta&amp;rget:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Target si&amp;ze (″):</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Your kit is not offered: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Not a number</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1: “%2” is not a number.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The calculator uses %1 instead of %2</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>vkp2::planner_window::SolveTable</name>
    <message>
        <source>Focal ratio</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Pixel scale (″/px)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Goal kind</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Goal value</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Distances that reach the goal</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Ocular or element</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>D or distance (mm)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>EFL (mm)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Field (′)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Scale (″/px)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Sampling of the seeing</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Sampling by focal ratio</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Goal:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Sampling of the seeing (long exposures)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 (%2)</source>
        <translation type="unfinished"></translation>
    </message>
</context>
</TS>
