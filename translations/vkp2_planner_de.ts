<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de_DE">
<context>
    <name>CalculatorMessage</name>
    <message>
        <source>%1 must be between %2 and %3</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Error</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Input Error</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Value out of range - Only enter numbers.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Value out of range - Only enter numbers &lt; 100</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Enter a number greater than %1.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>F-Length</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Aperture</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Distance - D</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Distance - TL</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>This camera does not support %1 Binning</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Note</source>
        <translation type="unfinished"></translation>
    </message>
</context>
</TS>
