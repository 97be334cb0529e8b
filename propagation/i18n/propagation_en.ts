<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en_US">
<context>
    <name>px::DetectionRangeScreen</name>
    <message>
        <source>Propagazione</source>
        <translation>Spreading</translation>
    </message>
    <message>
        <source>Sferica</source>
        <translation>Spherical</translation>
    </message>
    <message>
        <source>Sfer.cil.</source>
        <translation>Sph./cyl.</translation>
    </message>
    <message>
        <source>Legge di propagazione: sferica o sferico-cilindrica</source>
        <translation>Spreading law: spherical or spherical/cylindrical</translation>
    </message>
    <message>
        <source>Livello spettrale NL del rumore del mare, in dB</source>
        <translation>Spectrum level NL of the sea noise, in dB</translation>
    </message>
    <message>
        <source>Indice di direttività DI del ricevitore, in dB</source>
        <translation>Directivity index DI of the receiver, in dB</translation>
    </message>
    <message>
        <source>Indice d di scoperta e falso allarme (curve ROC), numero puro</source>
        <translation>Detection index d for the detection and false-alarm probabilities (ROC curves), dimensionless</translation>
    </message>
    <message>
        <source>soluzione</source>
        <translation>solution</translation>
    </message>
</context>
<context>
    <name>px::Form14</name>
    <message>
        <source>Grafico dell&apos;attenuazione per propagazione</source>
        <translation>Propagation loss graph</translation>
    </message>
    <message>
        <source>Attenuazione per un solo percorso</source>
        <translation>One-way propagation loss</translation>
    </message>
    <message>
        <source>Att. per propag. sferica </source>
        <translation>Spherical spreading loss </translation>
    </message>
    <message>
        <source>Att. per  propag. sferico/cilindrica </source>
        <translation>Spherical/cylindrical spreading loss </translation>
    </message>
    <message>
        <source>distanza</source>
        <translation>range</translation>
    </message>
    <message>
        <source>alfa      40 dB</source>
        <translation>alpha     40 dB</translation>
    </message>
    <message>
        <source>Alfa:   Attenuazione per assorbimento (eq. di Thorp) un solo percorso  in dB/Km</source>
        <translation>Alpha:   absorption loss (Thorp&apos;s equation), one way, in dB/km</translation>
    </message>
    <message>
        <source>frequenza</source>
        <translation>frequency</translation>
    </message>
    <message>
        <source>attenuazione</source>
        <translation>loss</translation>
    </message>
    <message>
        <source>assorbimento</source>
        <translation>absorption</translation>
    </message>
    <message>
        <source>divergenza</source>
        <translation>spreading</translation>
    </message>
    <message>
        <source>distanza_km</source>
        <translation>range_km</translation>
    </message>
    <message>
        <source>sferica_dB</source>
        <translation>spherical_dB</translation>
    </message>
    <message>
        <source>sferico_cilindrica_dB</source>
        <translation>spherical_cylindrical_dB</translation>
    </message>
    <message>
        <source>frequenza_kHz</source>
        <translation>frequency_kHz</translation>
    </message>
    <message>
        <source>assorbimento_dB_km</source>
        <translation>absorption_dB_km</translation>
    </message>
</context>
<context>
    <name>px::Form15</name>
    <message>
        <source>Calcolo della portata di scoperta di un sonar passivo (propagazione normale)</source>
        <translation>Passive sonar detection range (normal propagation)</translation>
    </message>
    <message>
        <source>Soluzione grafico numerica</source>
        <translation>Graphical-numerical solution</translation>
    </message>
    <message>
        <source>Attenuazione per propagazione</source>
        <translation>Propagation loss</translation>
    </message>
    <message>
        <source>Massima attenuazione consentita in base ai dati impostati</source>
        <translation>Largest loss the input data allow</translation>
    </message>
    <message>
        <source>distanza</source>
        <translation>range</translation>
    </message>
    <message>
        <source>IMPOSTAZIONE DATI:</source>
        <translation>INPUT DATA:</translation>
    </message>
    <message>
        <source>Estremo inferiore F1 della banda di ricezione, in Hz</source>
        <translation>Lower edge F1 of the receiving band, in Hz</translation>
    </message>
    <message>
        <source>Estremo superiore F2 della banda di ricezione, in Hz</source>
        <translation>Upper edge F2 of the receiving band, in Hz</translation>
    </message>
    <message>
        <source>Livello spettrale SL del rumore emesso dal bersaglio ad 1 m, in dB</source>
        <translation>Spectrum level SL of the noise the target radiates, at 1 m, in dB</translation>
    </message>
    <message>
        <source>Calcolo</source>
        <translation>Compute</translation>
    </message>
    <message>
        <source>RC(Sec.)</source>
        <translation>RC(s)</translation>
    </message>
    <message>
        <source>Costante di tempo RC del rivelatore, in secondi</source>
        <translation>Time constant RC of the detector, in seconds</translation>
    </message>
    <message>
        <source>Soluzione numerico iterativa  R (Km) =</source>
        <translation>Iterative numerical solution  R (km) =</translation>
    </message>
    <message>
        <source>curva</source>
        <translation>curve</translation>
    </message>
</context>
<context>
    <name>px::Form16</name>
    <message>
        <source>Calcolo della portata di scoperta di un sonar attivo (propagazione normale)</source>
        <translation>Active sonar detection range (normal propagation)</translation>
    </message>
    <message>
        <source>Soluzione grafico numerica</source>
        <translation>Graphical-numerical solution</translation>
    </message>
    <message>
        <source>Attenuazione per propagazione</source>
        <translation>Propagation loss</translation>
    </message>
    <message>
        <source>Massima attenuazione consentita in base ai dati impostati</source>
        <translation>Largest loss the input data allow</translation>
    </message>
    <message>
        <source>distanza</source>
        <translation>range</translation>
    </message>
    <message>
        <source>IMPOSTAZIONE DATI:</source>
        <translation>INPUT DATA:</translation>
    </message>
    <message>
        <source>Frequenza di emissione Ftx, in Hz</source>
        <translation>Transmit frequency Ftx, in Hz</translation>
    </message>
    <message>
        <source>Banda di ricezione Bwrx per gli impulsi, in Hz</source>
        <translation>Receiver bandwidth Bwrx for the pulses, in Hz</translation>
    </message>
    <message>
        <source>Livello di emissione LI del trasmettitore, in dB</source>
        <translation>Source level LI of the transmitter, in dB</translation>
    </message>
    <message>
        <source>tTx(Sec)</source>
        <translation>tTx(s)</translation>
    </message>
    <message>
        <source>Durata tTx dell&apos;impulso emesso, in secondi</source>
        <translation>Pulse length tTx of the transmission, in seconds</translation>
    </message>
    <message>
        <source>Calcolo</source>
        <translation>Compute</translation>
    </message>
    <message>
        <source>Forza del bersaglio TS, in dB</source>
        <translation>Target strength TS, in dB</translation>
    </message>
    <message>
        <source>Soluzione numerico iterativa  R (Km) =</source>
        <translation>Iterative numerical solution  R (km) =</translation>
    </message>
    <message>
        <source>curva</source>
        <translation>curve</translation>
    </message>
</context>
<context>
    <name>px::Form4</name>
    <message>
        <source>Calcolo delle perdite per propagazione</source>
        <translation>Propagation loss calculator</translation>
    </message>
    <message>
        <source>Impostazione dati:</source>
        <translation>Input data:</translation>
    </message>
    <message>
        <source>Freq. KHz</source>
        <translation>Freq. kHz</translation>
    </message>
    <message>
        <source>Frequenza in kHz</source>
        <translation>Frequency in kHz</translation>
    </message>
    <message>
        <source>Dist. Km</source>
        <translation>Range km</translation>
    </message>
    <message>
        <source>Distanza in km</source>
        <translation>Range in km</translation>
    </message>
    <message>
        <source>Tipo di propagaz.</source>
        <translation>Spreading law</translation>
    </message>
    <message>
        <source>Sferica</source>
        <translation>Spherical</translation>
    </message>
    <message>
        <source>Sfer/cil</source>
        <translation>Sph/cyl</translation>
    </message>
    <message>
        <source>Legge di propagazione: sferica o sferico-cilindrica</source>
        <translation>Spreading law: spherical or spherical/cylindrical</translation>
    </message>
    <message>
        <source>Attenuazione per un  solo  percorso</source>
        <translation>One-way propagation loss</translation>
    </message>
    <message>
        <source>Calcolo</source>
        <translation>Compute</translation>
    </message>
    <message>
        <source>TL :      Attenuazione  per divergenza in dB </source>
        <translation>TL :  Spreading loss, dB</translation>
    </message>
    <message>
        <source> Attenuazione per assorbimento in dB (eq. di THORP)</source>
        <translation> Absorption loss in dB (Thorp&apos;s equation)</translation>
    </message>
    <message>
        <source>Grafici</source>
        <translation>Graphs</translation>
    </message>
</context>
</TS>
