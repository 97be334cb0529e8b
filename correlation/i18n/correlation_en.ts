<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en_US">
<context>
    <name>Fault</name>
    <message>
        <source>Fondo scala troppo piccolo</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Il rapporto Si/Ni di ingresso non deve essere inferiore a -20 dB</source>
        <translation type="unfinished"></translation>
    </message>
</context>
</TS>
