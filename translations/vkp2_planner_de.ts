<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de_DE">
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
</TS>
