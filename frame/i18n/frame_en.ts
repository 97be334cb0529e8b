<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en_US">
<context>
    <name>Fault</name>
    <message>
        <source>Errore di calcolo: %1.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Il calcolo si è fermato a questo passo: i risultati già scritti restano.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Testo troppo lungo</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Argomento non valido</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Divisione per zero</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Overflow</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Indice fuori dai limiti della tabella</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Errore</source>
        <translation type="unfinished"></translation>
    </message>
</context>
</TS>
