<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en_US">
<context>
    <name>px::Form1</name>
    <message>
        <source>Calcolatore delle variabili acustiche per il sonar</source>
        <translation>Calculator of the acoustic quantities of sonar</translation>
    </message>
    <message>
        <source>*Livello spettrale del rumore del mare in funzione della frequenza e dello stato dell&apos;ambiente</source>
        <translation>*Spectrum level of sea ambient noise versus frequency and sea state</translation>
    </message>
    <message>
        <source>*Livello spettrale del rumore emesso da un C.T. in funzione della frequenza e della velocità del mezzo</source>
        <translation>*Spectrum level of a vessel&apos;s radiated noise versus frequency and speed</translation>
    </message>
    <message>
        <source>*Livello dell&apos;attenuazione per propagazione in funzione della frequenza e della distanza</source>
        <translation>*Propagation loss versus frequency and range</translation>
    </message>
    <message>
        <source>*Caratteristica di direttività e guadagno di un trasduttore circolare in funzione della frequenza e del diametro</source>
        <translation>*Beam pattern and directivity index of a circular transducer versus frequency and diameter</translation>
    </message>
    <message>
        <source>*Caratteristica di direttività e guadagno di una base lineare in funzione della frequenza e della lunghezza</source>
        <translation>*Beam pattern and directivity index of a line array versus frequency and length</translation>
    </message>
    <message>
        <source>*Valutazione dell&apos;effetto doppler in funzione della frequenza e della velocità del mezzo</source>
        <translation>*Doppler shift versus frequency and speed</translation>
    </message>
    <message>
        <source>*Distanza di un bersaglio mediante riflessione dal fondo in funzione dell&apos;angolo di depressione e della profondità</source>
        <translation>*Range of a target by bottom reflection versus depression angle and depth</translation>
    </message>
    <message>
        <source>*Guadagno di direttività di una sorgente rettangolare/quadrata in funzione della frequenza e delle dimensioni</source>
        <translation>*Directivity gain of a rectangular/square source versus frequency and dimensions</translation>
    </message>
    <message>
        <source>* Portata di scoperta di un sonar passivo in funzione di: (Banda-SL-NL-DI-RC-d-Propag.)</source>
        <translation>* Detection range of a passive sonar as a function of: (Band-SL-NL-DI-RC-d-Propag.)</translation>
    </message>
    <message>
        <source>* Portata di scoperta di un sonar attivo in funzione di: (Ftx-BWrx-SL-TS-NL-DI-ti-d-Propag.)</source>
        <translation>* Detection range of an active sonar as a function of: (Ftx-BWrx-SL-TS-NL-DI-ti-d-Propag.)</translation>
    </message>
    <message>
        <source>Apri il selettore delle funzioni di calcolo</source>
        <translation>Open the calculator selector</translation>
    </message>
</context>
<context>
    <name>px::Form13</name>
    <message>
        <source>Selettore delle funzioni di calcolo</source>
        <translation>Calculator selector</translation>
    </message>
    <message>
        <source> SELEZIONARE IL TIPO DI CALCOLO CLICCANDO SUL PULSANTE</source>
        <translation> SELECT THE CALCULATION BY CLICKING ITS BUTTON</translation>
    </message>
    <message>
        <source>Calcolo del livello spettrale del rumore del mare</source>
        <translation>Spectrum level of sea ambient noise</translation>
    </message>
    <message>
        <source>Calcolo del livello spettrale di rumore emesso da un C.T.</source>
        <translation>Spectrum level of a vessel&apos;s radiated noise</translation>
    </message>
    <message>
        <source>Calcolo attenuazione per propagazione</source>
        <translation>Propagation loss</translation>
    </message>
    <message>
        <source>Calcolo direttività trasduttore circolare</source>
        <translation>Circular transducer directivity</translation>
    </message>
    <message>
        <source>Calcolo direttività  base lineare</source>
        <translation>Line array directivity</translation>
    </message>
    <message>
        <source>Calcolo  distanza  bersaglio a mezzo riflessione dal fondo</source>
        <translation>Target range by bottom reflection</translation>
    </message>
    <message>
        <source>Calcolo del guadagno di direttività di una sorgente rettangolare o quadrata</source>
        <translation>Directivity gain of a rectangular or square source</translation>
    </message>
    <message>
        <source>Calcolo della frequenza doppler</source>
        <translation>Doppler shift</translation>
    </message>
    <message>
        <source>Calcolo della portata di scoperta di un sonar passivo (propagazione normale)</source>
        <translation>Detection range of a passive sonar (normal propagation)</translation>
    </message>
    <message>
        <source>Calcolo della portata di scoperta di un sonar attivo (propagazione normale)</source>
        <translation>Detection range of an active sonar (normal propagation)</translation>
    </message>
    <message>
        <source>Metodi di correlazione per l&apos;acustica subacquea</source>
        <translation>Correlation methods for underwater acoustics</translation>
    </message>
    <message>
        <source>Glossario dei termini impiegati</source>
        <translation>Glossary of the terms used</translation>
    </message>
    <message>
        <source>Algoritmi di acustica subacquea</source>
        <translation>Underwater acoustics algorithms</translation>
    </message>
    <message>
        <source>Lingua:</source>
        <translation>Language:</translation>
    </message>
    <message>
        <source>Lingua dell&apos;interfaccia</source>
        <translation>Interface language</translation>
    </message>
</context>
</TS>
