<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en_US">
<context>
    <name>px::Form10</name>
    <message>
        <source>Grafici del livello spettrale del rumore del mare</source>
        <translation>Sea noise spectral level graphs</translation>
    </message>
    <message>
        <source>* si legga radice di Hz</source>
        <translation>* read as square root of Hz</translation>
    </message>
    <message>
        <source>Stato del mare</source>
        <translation>Sea state</translation>
    </message>
    <message>
        <source>pendenza = 5 dB/ottava</source>
        <translation>slope = 5 dB/octave</translation>
    </message>
    <message>
        <source>livello a 1 kHz con SS=1 = 55 dB</source>
        <translation>level at 1 kHz with SS=1 = 55 dB</translation>
    </message>
</context>
<context>
    <name>px::Form11</name>
    <message>
        <source>Grafici dell&apos;andamento spettrale del rumore emesso da un C.T.</source>
        <translation>Spectral graphs of the noise radiated by a destroyer</translation>
    </message>
    <message>
        <source>* si legga radice di Hz     ad 1 metro</source>
        <translation>* read as square root of Hz     at 1 metre</translation>
    </message>
    <message>
        <source>Velocità del C.T.</source>
        <translation>Destroyer speed</translation>
    </message>
    <message>
        <source>pendenza = 6.667 dB/ottava</source>
        <translation>slope = 6.667 dB/octave</translation>
    </message>
    <message>
        <source>distanza = 1 m</source>
        <translation>distance = 1 m</translation>
    </message>
</context>
<context>
    <name>px::Form2</name>
    <message>
        <source>Calcolo del rumore spettrale del mare</source>
        <translation>Sea noise spectral level</translation>
    </message>
    <message>
        <source>Impostazione dati:</source>
        <translation>Input data:</translation>
    </message>
    <message>
        <source>Freq. KHz</source>
        <translation>Freq. KHz</translation>
    </message>
    <message>
        <source>Frequenza in kHz</source>
        <translation>Frequency in kHz</translation>
    </message>
    <message>
        <source>Stato del mare</source>
        <translation>Sea state</translation>
    </message>
    <message>
        <source>Stato del mare (SS)</source>
        <translation>Sea state (SS)</translation>
    </message>
    <message>
        <source>Calcolo</source>
        <translation>Compute</translation>
    </message>
    <message>
        <source>Grafici</source>
        <translation>Graphs</translation>
    </message>
    <message>
        <source>(NL) in dB/micro Pa/Hz* =</source>
        <translation>(NL) in dB/micro Pa/Hz* =</translation>
    </message>
    <message>
        <source>* si legga radice di Hz</source>
        <translation>* read as square root of Hz</translation>
    </message>
</context>
<context>
    <name>px::Form3</name>
    <message>
        <source>Calcolo del rumore spettrale irradiato da un C.T.</source>
        <translation>Destroyer radiated noise spectral level</translation>
    </message>
    <message>
        <source>Impostazione dati:</source>
        <translation>Input data:</translation>
    </message>
    <message>
        <source>Freq. KHz</source>
        <translation>Freq. KHz</translation>
    </message>
    <message>
        <source>Frequenza in kHz</source>
        <translation>Frequency in kHz</translation>
    </message>
    <message>
        <source>Velocità del C.T.</source>
        <translation>Destroyer speed</translation>
    </message>
    <message>
        <source>Velocità della nave in nodi</source>
        <translation>Ship speed in knots</translation>
    </message>
    <message>
        <source>Calcolo</source>
        <translation>Compute</translation>
    </message>
    <message>
        <source>Grafici</source>
        <translation>Graphs</translation>
    </message>
    <message>
        <source>(SL) in dB/micro Pa/Hz* =</source>
        <translation>(SL) in dB/micro Pa/Hz* =</translation>
    </message>
    <message>
        <source>* si legga radice di Hz     ad 1 metro</source>
        <translation>* read as square root of Hz     at 1 metre</translation>
    </message>
</context>
<context>
    <name>px::noise::Speed</name>
    <message>
        <source>10 nodi</source>
        <translation>10 knots</translation>
    </message>
    <message>
        <source>15 nodi</source>
        <translation>15 knots</translation>
    </message>
    <message>
        <source>20 nodi</source>
        <translation>20 knots</translation>
    </message>
    <message>
        <source>25 nodi</source>
        <translation>25 knots</translation>
    </message>
</context>
<context>
    <name>px::noise::Sweep</name>
    <message>
        <source>frequenza_Hz</source>
        <translation>frequency_Hz</translation>
    </message>
</context>
</TS>
