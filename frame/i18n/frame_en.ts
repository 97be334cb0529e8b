<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en_US">
<context>
    <name>Accessibility</name>
    <message>
        <source>Diagramma</source>
        <translation>Diagram</translation>
    </message>
    <message>
        <source>Logo di PELAGONIX</source>
        <translation>PELAGONIX logo</translation>
    </message>
    <message>
        <source>Immagine</source>
        <translation>Picture</translation>
    </message>
    <message>
        <source>Risultato</source>
        <translation>Result</translation>
    </message>
    <message>
        <source>Campo numerico</source>
        <translation>Numeric field</translation>
    </message>
    <message>
        <source>Casella di scelta</source>
        <translation>Choice box</translation>
    </message>
    <message>
        <source>Diagramma dei risultati: </source>
        <translation>Diagram of the results: </translation>
    </message>
    <message>
        <source>Diagramma: </source>
        <translation>Diagram: </translation>
    </message>
</context>
<context>
    <name>Export</name>
    <message>
        <source>scrittura incompleta</source>
        <translation>incomplete write</translation>
    </message>
    <message>
        <source>Impossibile scrivere il file &quot;%1&quot;: %2</source>
        <translation>Cannot write the file &quot;%1&quot;: %2</translation>
    </message>
    <message>
        <source> | punto più vicino</source>
        <translation> | nearest point</translation>
    </message>
    <message>
        <source>Esportazione</source>
        <translation>Export</translation>
    </message>
    <message>
        <source>Immagine PNG (*.png)</source>
        <translation>PNG image (*.png)</translation>
    </message>
    <message>
        <source>Immagine vettoriale SVG (*.svg)</source>
        <translation>SVG vector image (*.svg)</translation>
    </message>
    <message>
        <source>Dati CSV (*.csv)</source>
        <translation>CSV data (*.csv)</translation>
    </message>
    <message>
        <source>Documento PDF (*.pdf)</source>
        <translation>PDF document (*.pdf)</translation>
    </message>
    <message>
        <source>Stampa</source>
        <translation>Print</translation>
    </message>
    <message>
        <source>la stampante non risponde</source>
        <translation>the printer does not respond</translation>
    </message>
    <message>
        <source>Salva immagine</source>
        <translation>Save image</translation>
    </message>
    <message>
        <source>Esporta dati</source>
        <translation>Export data</translation>
    </message>
    <message>
        <source>Copia immagine</source>
        <translation>Copy image</translation>
    </message>
    <message>
        <source>Copia dati e risultati</source>
        <translation>Copy data and results</translation>
    </message>
    <message>
        <source>Salva immagine (PNG, SVG)...</source>
        <translation>Save image (PNG, SVG)...</translation>
    </message>
    <message>
        <source>Esporta dati (CSV)...</source>
        <translation>Export data (CSV)...</translation>
    </message>
    <message>
        <source>Esporta PDF...</source>
        <translation>Export PDF...</translation>
    </message>
    <message>
        <source>Esporta PDF</source>
        <translation>Export PDF</translation>
    </message>
    <message>
        <source>Stampa...</source>
        <translation>Print...</translation>
    </message>
    <message>
        <source>Lettura del grafico</source>
        <translation>Graph readout</translation>
    </message>
</context>
<context>
    <name>Fault</name>
    <message>
        <source>Errore di calcolo: %1.</source>
        <translation>Calculation error: %1.</translation>
    </message>
    <message>
        <source>Il calcolo si è fermato a questo passo: i risultati già scritti restano.</source>
        <translation>The calculation stopped at this step: the results already written stay.</translation>
    </message>
    <message>
        <source>Testo troppo lungo</source>
        <translation>Text too long</translation>
    </message>
    <message>
        <source>Argomento non valido</source>
        <translation>Invalid argument</translation>
    </message>
    <message>
        <source>Divisione per zero</source>
        <translation>Division by zero</translation>
    </message>
    <message>
        <source>Overflow</source>
        <translation>Overflow</translation>
    </message>
    <message>
        <source>Indice fuori dai limiti della tabella</source>
        <translation>Index outside the bounds of the table</translation>
    </message>
    <message>
        <source>Errore</source>
        <translation>Error</translation>
    </message>
</context>
<context>
    <name>px::Screen</name>
    <message>
        <source>Scorrimento orizzontale della finestra</source>
        <translation>Horizontal scrolling of the window</translation>
    </message>
    <message>
        <source>Scorrimento verticale della finestra</source>
        <translation>Vertical scrolling of the window</translation>
    </message>
</context>
</TS>
