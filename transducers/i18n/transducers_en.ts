<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en_US">
<context>
    <name>px::DirectivityScreen</name>
    <message>
        <source>angolo</source>
        <translation>angle</translation>
    </message>
    <message>
        <source>angolo_gradi</source>
        <translation>angle_deg</translation>
    </message>
</context>
<context>
    <name>px::Form5</name>
    <message>
        <source>Calcoli sulla direttività di un trasduttore circolare</source>
        <translation>Directivity of a circular transducer</translation>
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
        <source>Diam. m.</source>
        <translation>Diam. m</translation>
    </message>
    <message>
        <source>Diametro del trasduttore, in metri</source>
        <translation>Transducer diameter, in metres</translation>
    </message>
    <message>
        <source>Calcolo</source>
        <translation>Compute</translation>
    </message>
    <message>
        <source>Larghezza completa del lobo</source>
        <translation>Full beam width</translation>
    </message>
    <message>
        <source>Llarghezza del lobo di direttività    a -3dB (in gradi)</source>
        <translation>Beam width at -3 dB (degrees)</translation>
    </message>
    <message>
        <source>Larghezza del lobo di direttività  a -6 dB (in gradi)</source>
        <translation>Beam width at -6 dB (degrees)</translation>
    </message>
    <message>
        <source>(DI) Guadagno di direttività  in dB</source>
        <translation>(DI) Directivity index in dB</translation>
    </message>
    <message>
        <source>angolo rispetto all&apos;asse del trasduttore</source>
        <translation>angle off the transducer axis</translation>
    </message>
</context>
<context>
    <name>px::Form6</name>
    <message>
        <source>Calcolo direttività base lineare</source>
        <translation>Directivity of a line array</translation>
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
        <source>Lunghezza. m.</source>
        <translation>Length m</translation>
    </message>
    <message>
        <source>Lunghezza della base, in metri</source>
        <translation>Array length, in metres</translation>
    </message>
    <message>
        <source>Calcolo</source>
        <translation>Compute</translation>
    </message>
    <message>
        <source>Larghezza completa del lobo</source>
        <translation>Full beam width</translation>
    </message>
    <message>
        <source>Llarghezza del lobo di direttività    a -3dB  (in gradi)</source>
        <translation>Beam width at -3 dB (degrees)</translation>
    </message>
    <message>
        <source>Larghezza del lobo di direttività  a -6 dB  (in gradi)</source>
        <translation>Beam width at -6 dB (degrees)</translation>
    </message>
    <message>
        <source>(DI) Guadagno di direttività  in dB</source>
        <translation>(DI) Directivity index in dB</translation>
    </message>
    <message>
        <source>angolo rispetto all&apos;asse della base</source>
        <translation>angle off the array axis</translation>
    </message>
</context>
<context>
    <name>px::Form7</name>
    <message>
        <source>Calcolo della frequenza doppler</source>
        <translation>Doppler shift of an echo</translation>
    </message>
    <message>
        <source>Impostazione dati:</source>
        <translation>Input data:</translation>
    </message>
    <message>
        <source>Ftx   in   KHz</source>
        <translation>Ftx   in   KHz</translation>
    </message>
    <message>
        <source>Frequenza di emissione Ftx, in kHz</source>
        <translation>Transmitted frequency Ftx, in kHz</translation>
    </message>
    <message>
        <source>Velocità in nodi</source>
        <translation>Speed in knots</translation>
    </message>
    <message>
        <source>Velocità del mezzo, in nodi</source>
        <translation>Platform speed, in knots</translation>
    </message>
    <message>
        <source>Calcolo</source>
        <translation>Compute</translation>
    </message>
    <message>
        <source>Frequenza doppler in Hz</source>
        <translation>Doppler shift in Hz</translation>
    </message>
    <message>
        <source>&quot; frequenza doppler&quot;</source>
        <translation>&quot;Doppler shift&quot;</translation>
    </message>
    <message>
        <source>Il diagramma assume come velocità del mezzo il valore dell&apos;impostazione dati</source>
        <translation>The diagram takes the platform speed from the input data</translation>
    </message>
    <message>
        <source> &quot;frequenza operativa&quot;</source>
        <translation> &quot;operating frequency&quot;</translation>
    </message>
    <message>
        <source>frequenza operativa</source>
        <translation>operating frequency</translation>
    </message>
    <message>
        <source>frequenza doppler</source>
        <translation>Doppler shift</translation>
    </message>
    <message>
        <source>frequenza_kHz</source>
        <translation>frequency_kHz</translation>
    </message>
    <message>
        <source>frequenza_doppler_Hz</source>
        <translation>doppler_shift_Hz</translation>
    </message>
</context>
<context>
    <name>px::Form8</name>
    <message>
        <source>Misura della distanza di un bersaglio attivo mediante la riflessione dal fondo</source>
        <translation>Range of an active target by bottom reflection</translation>
    </message>
    <message>
        <source>Impostazione dati:</source>
        <translation>Input data:</translation>
    </message>
    <message>
        <source>Profondità  (h)       metri</source>
        <translation>Depth  (h)       metres</translation>
    </message>
    <message>
        <source>Altezza h dal fondo, in metri</source>
        <translation>Height h above the bottom, in metres</translation>
    </message>
    <message>
        <source>Angolo di depressione  (b)          gradi</source>
        <translation>Depression angle  (b)          degrees</translation>
    </message>
    <message>
        <source>Angolo di depressione b, in gradi (da 5 a 50)</source>
        <translation>Depression angle b, in degrees (5 to 50)</translation>
    </message>
    <message>
        <source>Limiti: da 5° a 50°</source>
        <translation>Limits: 5° to 50°</translation>
    </message>
    <message>
        <source>Calcolo</source>
        <translation>Compute</translation>
    </message>
    <message>
        <source>Distanza   (d)         metri</source>
        <translation>Range   (d)         metres</translation>
    </message>
    <message>
        <source>  distanza</source>
        <translation>  range</translation>
    </message>
    <message>
        <source>Il diagramma assume come valore di profondità il valore dell&apos;impostazione dati</source>
        <translation>The diagram takes the depth from the input data</translation>
    </message>
    <message>
        <source>angolo di depressione</source>
        <translation>depression angle</translation>
    </message>
    <message>
        <source>distanza</source>
        <translation>range</translation>
    </message>
    <message>
        <source>angolo_gradi</source>
        <translation>angle_deg</translation>
    </message>
    <message>
        <source>distanza_m</source>
        <translation>range_m</translation>
    </message>
</context>
<context>
    <name>px::Form9</name>
    <message>
        <source>Calcolo del guadagno di direttività di una sorgente rettangolare o quadrata</source>
        <translation>Directivity index of a rectangular or square source</translation>
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
        <source>Larghezza cm.</source>
        <translation>Width cm</translation>
    </message>
    <message>
        <source>Larghezza della sorgente, in cm</source>
        <translation>Source width, in cm</translation>
    </message>
    <message>
        <source>Altezza  cm.</source>
        <translation>Height  cm</translation>
    </message>
    <message>
        <source>Altezza della sorgente, in cm</source>
        <translation>Source height, in cm</translation>
    </message>
    <message>
        <source>Calcolo</source>
        <translation>Compute</translation>
    </message>
    <message>
        <source>(DI) Guadagno in dB</source>
        <translation>(DI) Index in dB</translation>
    </message>
</context>
</TS>
