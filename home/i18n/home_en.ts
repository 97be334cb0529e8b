<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en_US">
<context>
    <name>px::AlgorithmSheet</name>
    <message>
        <source>Equazioni del sonar</source>
        <translation>Sonar equations</translation>
    </message>
    <message>
        <source>Equazioni del SONAR
Per la localizzazione passiva:
SL − TL = NL − DI + DT
Per la localizzazione attiva:
SL − 2TL + TS = NL − DI + DT
SL − 2TL + TS = RL + DT
Dove:
SL = livello della sorgente (es. +180 dB/µPa)
TL = TLdiv. + α·R = attenuazione totale per propagazione (R in Km)
TLdiv. = 60 + 20·Log R = attenuazione per divergenza sferica
TLdiv* = 60 + 10·Log R = attenuazione per divergenza sferica/cilindrica
α = 0.2·f + 0.00015·f² = coefficiente di assorbimento (f in KHz)
NL = livello spettrale del rumore del mare (es. +62 dB/µPa/Hz^½)
DI = 10·Log(2L/λ) = guadagno di direttività di una base lineare lunga L metri
λ = c/f (c = velocità del suono in m/s; f in Hz)
DT = soglia di rivelazione (es. +12 dB)
TS = forza del bersaglio (es. +16 dB)
RL = livello di riverberazione (es. +70 dB/µPa/Hz^½)</source>
        <translation>SONAR equations
For passive detection:
SL − TL = NL − DI + DT
For active detection:
SL − 2TL + TS = NL − DI + DT
SL − 2TL + TS = RL + DT
Where:
SL = source level (e.g. +180 dB/µPa)
TL = TLdiv. + α·R = total transmission loss (R in Km)
TLdiv. = 60 + 20·Log R = spherical spreading loss
TLdiv* = 60 + 10·Log R = spherical/cylindrical spreading loss
α = 0.2·f + 0.00015·f² = absorption coefficient (f in KHz)
NL = sea noise spectrum level (e.g. +62 dB/µPa/Hz^½)
DI = 10·Log(2L/λ) = directivity index of a line array L metres long
λ = c/f (c = speed of sound in m/s; f in Hz)
DT = detection threshold (e.g. +12 dB)
TS = target strength (e.g. +16 dB)
RL = reverberation level (e.g. +70 dB/µPa/Hz^½)</translation>
    </message>
    <message>
        <source>Calcolo del TS dei bersagli di confronto</source>
        <translation>Computing the TS of reference targets</translation>
    </message>
    <message>
        <source>Calcolo del TS di bersagli di confronto
Bersaglio sferico cavo:
TS = 10·Log(r²/4)
Dove: r = raggio della sfera in metri.
Valida se 2πr/λ &gt;&gt; 1 e D &gt;&gt; r (D = distanza dalla sorgente che illumina il bersaglio); λ = c/f
Bersaglio cilindrico cavo:
TS = 10·Log[r·L²/(1.67·λ)]
Dove: L = lunghezza e r = raggio del cilindro in metri.
Valida se 2πr/λ &gt;&gt; 1 e D &gt; L²/λ</source>
        <translation>Computing the TS of reference targets
Hollow spherical target:
TS = 10·Log(r²/4)
Where: r = radius of the sphere in metres.
Valid if 2πr/λ &gt;&gt; 1 and D &gt;&gt; r (D = distance from the source insonifying the target); λ = c/f
Hollow cylindrical target:
TS = 10·Log[r·L²/(1.67·λ)]
Where: L = length and r = radius of the cylinder in metres.
Valid if 2πr/λ &gt;&gt; 1 and D &gt; L²/λ</translation>
    </message>
    <message>
        <source>Calcolo del DT</source>
        <translation>Computing the DT</translation>
    </message>
    <message>
        <source>CALCOLO DEL DT
(soglia di rivelazione di un sonar)
DT = 5·Log(d·w/2t)
Dove:
d = parametro di probabilità ricavato dalle curve ROC
w = banda di lavoro in Hz
t = tempo di post-integrazione in secondi</source>
        <translation>COMPUTING THE DT
(detection threshold of a sonar)
DT = 5·Log(d·w/2t)
Where:
d = detection index read from the ROC curves
w = processing bandwidth in Hz
t = post-detection integration time in seconds</translation>
    </message>
    <message>
        <source>Algoritmi per il calcolo delle direttività di basi rettilinee</source>
        <translation>Algorithms for the directivity of line arrays</translation>
    </message>
    <message>
        <source>Algoritmi di calcolo direttività basi circolari</source>
        <translation>Directivity algorithms for circular arrays</translation>
    </message>
    <message>
        <source>Funzione di direttività di una base circolare di n sensori alla frequenza f
C(α) = Jo[(2πD/λ)·Sen(α/2)]
Dove:
D = diametro della base
Jo = funzione di Bessel di ordine zero: Jo = (1/π)·∫ da 0 a π di Cos(z·Cos q) dq
z = (2πD/λ)·Sen(α/2)·3.14/180
λ = c/f
α = angolo rispetto all&apos;asse della base
Valida solo se n &gt; (2πD/λ) + 2</source>
        <translation>Directivity function of a circular array of n sensors at frequency f
C(α) = Jo[(2πD/λ)·Sin(α/2)]
Where:
D = diameter of the array
Jo = Bessel function of order zero: Jo = (1/π)·∫ from 0 to π of Cos(z·Cos q) dq
z = (2πD/λ)·Sin(α/2)·3.14/180
λ = c/f
α = angle from the axis of the array
Valid only if n &gt; (2πD/λ) + 2</translation>
    </message>
    <message>
        <source>Algoritmi generali per il sonar</source>
        <translation>General sonar algorithms</translation>
    </message>
    <message>
        <source>Algoritmi generali per il SONAR
Algoritmo di post-integrazione per l&apos;elaborazione numerica:
Y(m + 1) = Y + Y(m) − Y(m)/ß
Dove: Y = campione che entra nel calcolo in tempo reale; Y(m), Y(m + 1) = accumulatori ai tempi m e m + 1; ß = coefficiente che fissa il tempo di integrazione.
Errori di rilevamento. Errore strumentale di un sonar a fasci preformati:
err.str.° = 4 / Exp[(n·3.14/720)²·a² / Log(1/k)]
Dove: n = numero dei fasci preformati; k = ordinata dell&apos;ascissa a° sulla curva di direttività del fascio.
Errore operativo:
err.op° = Δα·0.354·(1 + k)^½ / (k·(B·T)^½)
Dove: Δα = ampiezza totale del fascio a −3 dB; B = banda del ricevitore; T = tempo di integrazione post-rivelazione; k = (S/N)², S/N = rapporto tra le tensioni di segnale e di rumore all&apos;ingresso del sistema di rivelazione.</source>
        <translation>General SONAR algorithms
Post-integration algorithm for digital processing:
Y(m + 1) = Y + Y(m) − Y(m)/ß
Where: Y = sample entering the computation in real time; Y(m), Y(m + 1) = accumulators at times m and m + 1; ß = coefficient setting the integration time.
Bearing errors. Instrumental error of a preformed-beam sonar:
err.str.° = 4 / Exp[(n·3.14/720)²·a² / Log(1/k)]
Where: n = number of preformed beams; k = ordinate at the abscissa a° on the beam&apos;s directivity pattern.
Operational error:
err.op° = Δα·0.354·(1 + k)^½ / (k·(B·T)^½)
Where: Δα = total beam width at −3 dB; B = receiver bandwidth; T = post-detection integration time; k = (S/N)², S/N = ratio of the signal and noise voltages at the input of the detection system.</translation>
    </message>
    <message>
        <source>Algoritmi per il calcolo delle funzioni di correlazione principali</source>
        <translation>Algorithms for the principal correlation functions</translation>
    </message>
    <message>
        <source>ALGORITMI PER LA CORRELAZIONE
Funzione di autocorrelazione principale:
C(t) = (1/To)·∫ da 0 a To di f(t)·f(t + τ) dt
Funzione di correlazione incrociata principale:
C(t) = (1/To)·∫ da 0 a To di f1(t)·f2(t) dt
Dove: To = tempo di integrazione.</source>
        <translation>CORRELATION ALGORITHMS
Principal autocorrelation function:
C(t) = (1/To)·∫ from 0 to To of f(t)·f(t + τ) dt
Principal cross-correlation function:
C(t) = (1/To)·∫ from 0 to To of f1(t)·f2(t) dt
Where: To = integration time.</translation>
    </message>
    <message>
        <source>Algoritmi per il calcolo delle funzioni di correlazione analogica</source>
        <translation>Algorithms for the analogue correlation functions</translation>
    </message>
    <message>
        <source>FUNZIONI DI CORRELAZIONE ANALOGICHE
Segnale nella banda 0 − f:
C(r) = Sen(2πfr)/(2πfr)
Dove: f = frequenza superiore della banda; r = ritardo in secondi.
Segnale nella banda f1 − f2:
C(r) = [Sen(2π·df·r)/(2π·df·r)]·Cos(2π·fo·r)
Dove: df = (f2 − f1)/2; fo = (f2 + f1)/2</source>
        <translation>ANALOGUE CORRELATION FUNCTIONS
Signal in the band 0 − f:
C(r) = Sin(2πfr)/(2πfr)
Where: f = upper frequency of the band; r = delay in seconds.
Signal in the band f1 − f2:
C(r) = [Sin(2π·df·r)/(2π·df·r)]·Cos(2π·fo·r)
Where: df = (f2 − f1)/2; fo = (f2 + f1)/2</translation>
    </message>
    <message>
        <source>Algoritmi di calcolo per le funzioni di correlazione digitale</source>
        <translation>Algorithms for the digital correlation functions</translation>
    </message>
    <message>
        <source>FUNZIONI DI CORRELAZIONE DIGITALI
Segnale nella banda 0 − f:
C(r) = (2/π)·Arcsen[Sen(2πfr)/(2πfr)]
Dove: f = frequenza superiore della banda; r = ritardo in secondi.
Segnale nella banda f1 − f2:
C(r) = (2/π)·Arcsen{[Sen(2π·df·r)/(2π·df·r)]·Cos(2π·fo·r)}
Dove: df = (f2 − f1)/2; fo = (f2 + f1)/2</source>
        <translation>DIGITAL CORRELATION FUNCTIONS
Signal in the band 0 − f:
C(r) = (2/π)·Arcsin[Sin(2πfr)/(2πfr)]
Where: f = upper frequency of the band; r = delay in seconds.
Signal in the band f1 − f2:
C(r) = (2/π)·Arcsin{[Sin(2π·df·r)/(2π·df·r)]·Cos(2π·fo·r)}
Where: df = (f2 − f1)/2; fo = (f2 + f1)/2</translation>
    </message>
    <message>
        <source>Algoritmi di calcolo di funzioni di correlazione particolari</source>
        <translation>Algorithms for special correlation functions</translation>
    </message>
    <message>
        <source>FUNZIONI DI CORRELAZIONE PARTICOLARI
Segnale a due stati:
C(r) = exp(−2k·|r|)
Dove: k = coefficiente caratteristico del segnale.
Segnale a banda limitata da un circuito risonante:
C(r) = [Cos(ωo·r) − (1/2Q)·Sen(ωo·|r|)]·exp(−ωo·|r|/2Q)
Dove: Q = fattore di merito del circuito; ωo = pulsazione di risonanza del circuito.</source>
        <translation>SPECIAL CORRELATION FUNCTIONS
Two-state signal:
C(r) = exp(−2k·|r|)
Where: k = characteristic coefficient of the signal.
Signal band-limited by a resonant circuit:
C(r) = [Cos(ωo·r) − (1/2Q)·Sin(ωo·|r|)]·exp(−ωo·|r|/2Q)
Where: Q = quality factor of the circuit; ωo = resonant angular frequency of the circuit.</translation>
    </message>
    <message>
        <source>Algoritmi per il calcolo del coefficiente di correlazione</source>
        <translation>Algorithms for the correlation coefficient</translation>
    </message>
    <message>
        <source>COEFFICIENTE DI CORRELAZIONE DI UNA SERIE DISCRETA DI DATI
C = [(A1 − Am)(B1 − Bm) + … + (An − Am)(Bn − Bm)] / (Dα·Dß)
Dove:
Am, Bm = valori medi delle due serie
Dα = [(A1 − Am)² + … + (An − Am)²]^½
Dß = [(B1 − Bm)² + … + (Bn − Bm)²]^½</source>
        <translation>CORRELATION COEFFICIENT OF A DISCRETE DATA SERIES
C = [(A1 − Am)(B1 − Bm) + … + (An − Am)(Bn − Bm)] / (Dα·Dß)
Where:
Am, Bm = mean values of the two series
Dα = [(A1 − Am)² + … + (An − Am)²]^½
Dß = [(B1 − Bm)² + … + (Bn − Bm)²]^½</translation>
    </message>
    <message>
        <source>Per questo foglio non c&apos;è una pagina di formule: la finestra è vuota.</source>
        <translation>This sheet has no page of formulas: the window is empty.</translation>
    </message>
</context>
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
        <translation>*Spectrum level of a destroyer&apos;s radiated noise versus frequency and speed</translation>
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
        <translation>Spectrum level of a destroyer&apos;s radiated noise</translation>
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
<context>
    <name>px::Form17</name>
    <message>
        <source> NL = livello spettrale di rumore generato dal mare: espresso in dB/microPa/         </source>
        <translation> NL = spectrum level of the noise of the sea: expressed in dB/microPa/         </translation>
    </message>
    <message>
        <source> SS = stato del mare: espresso con numeri quali ( 0; 1/2; 1; 2; 4; 6 )</source>
        <translation> SS = sea state: expressed by numbers such as ( 0; 1/2; 1; 2; 4; 6 )</translation>
    </message>
    <message>
        <source> SL = livello spettrale di rumore emesso da una sorgente acustica: in dB/microPa/          ad 1 m.</source>
        <translation> SL = spectrum level of the noise radiated by an acoustic source: in dB/microPa/          at 1 m.</translation>
    </message>
    <message>
        <source> TL = attenuazione dei raggi acustici per divergenza: espressa in dB</source>
        <translation> TL = spreading loss of the acoustic rays: expressed in dB</translation>
    </message>
    <message>
        <source> alfa = attenuazione dei raggi acustici per assorbimento: espressa in dB/Km</source>
        <translation> alpha = absorption loss of the acoustic rays: expressed in dB/Km</translation>
    </message>
    <message>
        <source> DI = indice di direttività (guadagno di direttività): espresso in dB</source>
        <translation> DI = directivity index (directivity gain): expressed in dB</translation>
    </message>
    <message>
        <source> F1; F2 = esterimi inferiore e superiore della banda di ricezione di un sonar passivo; in Hz</source>
        <translation> F1; F2 = lower and upper limits of the receiving band of a passive sonar; in Hz</translation>
    </message>
    <message>
        <source> Ftx = frequenza di emissione di un sonar attivo: espressa in Hz o KHz</source>
        <translation> Ftx = transmit frequency of an active sonar: expressed in Hz or KHz</translation>
    </message>
    <message>
        <source> tTx = durata dell&apos;impulso di emissione di un sonar attivo: espressa in Sec.</source>
        <translation> tTx = length of the transmitted pulse of an active sonar: expressed in Sec.</translation>
    </message>
    <message>
        <source> Bwrx = banda di ricezione del ricevitore sonar attivo per i segnali acustici impulsivi: espressa in Hz</source>
        <translation> Bwrx = bandwidth of the active sonar receiver for pulsed acoustic signals: expressed in Hz</translation>
    </message>
    <message>
        <source> TS = forza del bersaglio: espressa in dB</source>
        <translation> TS = target strength: expressed in dB</translation>
    </message>
    <message>
        <source> RC = valore della costante di tempo del rivelatore dei segnali acustici: esperessa in Sec. </source>
        <translation> RC = time constant of the detector of the acoustic signals: expressed in Sec. </translation>
    </message>
    <message>
        <source> d = indice della probabilità di scoperta e di falso allarme: espresso in numeri puri (vedi curve ROC)</source>
        <translation> d = detection index, from the probabilities of detection and false alarm: a pure number (see ROC curves)</translation>
    </message>
    <message>
        <source> ANAL.C=f(F,tc)= indice di selezione per funzione di correlazione analogica distinta da:</source>
        <translation> ANALOG C=f(F,tc)= selection index for an analogue correlation function given by:</translation>
    </message>
    <message>
        <source> [F = estremo superiore della banda 0-f in Hz;  tc = ritardo del suono in acqua in microSec.]</source>
        <translation> [F = upper limit of the band 0-f in Hz;  tc = delay of the sound in water in microSec.]</translation>
    </message>
    <message>
        <source> ANAL.C=f(F1,F2,tc)= indice di selezione per funzione di correlazione analogica distinta da:</source>
        <translation> ANALOG C=f(F1,F2,tc)= selection index for an analogue correlation function given by:</translation>
    </message>
    <message>
        <source> [F1;F2 = estremi della banda F1-F2 in Hz;  tc = ritardo del suono in acqua microSec.]</source>
        <translation> [F1;F2 = limits of the band F1-F2 in Hz;  tc = delay of the sound in water in microSec.]</translation>
    </message>
    <message>
        <source> ANAL.C=f(F,a°,d)= indice di selezione per funzione di correlazione analogica distinta da:</source>
        <translation> ANALOG C=f(F,a°,d)= selection index for an analogue correlation function given by:</translation>
    </message>
    <message>
        <source> [F = estremo superiore della banda 0-f in Hz;  a° = angolo di provenienza suono rispetto asse base</source>
        <translation> [F = upper limit of the band 0-f in Hz;  a° = angle of arrival of the sound from the array axis</translation>
    </message>
    <message>
        <source> [ d = lunghezza della base in metri]</source>
        <translation> [ d = length of the array in metres]</translation>
    </message>
    <message>
        <source> DIG.C=f(F,tc)= indice di selezione per funzione di correlazione digitale distinta da:</source>
        <translation> DIGITAL C=f(F,tc)= selection index for a digital correlation function given by:</translation>
    </message>
    <message>
        <source> [F = estremo superiore della banda 0-f in Hz;  tc = ritardo percorso suono in acqua in microSec.]</source>
        <translation> [F = upper limit of the band 0-f in Hz;  tc = delay of the sound path in water in microSec.]</translation>
    </message>
    <message>
        <source> DIG.C=f(F1,F2,tc)= indice di selezione per funzione di correlazione digitale distinta da:</source>
        <translation> DIGITAL C=f(F1,F2,tc)= selection index for a digital correlation function given by:</translation>
    </message>
    <message>
        <source> [F1;F2 = estremi della banda F1-F2 in Hz;  tc = ritardo percorso suono in acqua in microSec.]</source>
        <translation> [F1;F2 = limits of the band F1-F2 in Hz;  tc = delay of the sound path in water in microSec.]</translation>
    </message>
    <message>
        <source>Glossario dei termini impiegati in PELAGONIX</source>
        <translation>Glossary of the terms used in PELAGONIX</translation>
    </message>
    <message>
        <source>radice quadrata di Hz</source>
        <translation>square root of Hz</translation>
    </message>
    <message>
        <source>Glossario</source>
        <translation>Glossary</translation>
    </message>
</context>
<context>
    <name>px::Form18</name>
    <message>
        <source>Le equazioni del sonar       (funzione passiva-funzione attiva)</source>
        <translation>The sonar equations (passive and active)</translation>
    </message>
    <message>
        <source>Algoritmo di alcolo del  TS di bersagli   di riferimento.</source>
        <translation>Algorithm for the TS of reference targets</translation>
    </message>
    <message>
        <source>Algoritmo di calcolo  del DT</source>
        <translation>Algorithm for computing the DT</translation>
    </message>
    <message>
        <source>Algoritmi di calcolo direttività basi rettilinee</source>
        <translation>Directivity algorithms for line arrays</translation>
    </message>
    <message>
        <source>Algoritmo di calcolo per basi circolari</source>
        <translation>Algorithm for circular arrays</translation>
    </message>
    <message>
        <source>Algoritmi generali per il sonar</source>
        <translation>General sonar algorithms</translation>
    </message>
    <message>
        <source>Algoritmi per il calcolo delle funzioni di correlazione principali</source>
        <translation>Algorithms for the principal correlation functions</translation>
    </message>
    <message>
        <source>Algoritmi per il calcolo delle funzioni di correlazione analogiche</source>
        <translation>Algorithms for the analogue correlation functions</translation>
    </message>
    <message>
        <source>Algoritmi per il calcolo delle funzioni di correlazione digitali</source>
        <translation>Algorithms for the digital correlation functions</translation>
    </message>
    <message>
        <source>Algoritmi per il calcolo di funzioni di correlazione particolari</source>
        <translation>Algorithms for special correlation functions</translation>
    </message>
    <message>
        <source>Algoritmi di calcolo del coefficiente di correlazione</source>
        <translation>Algorithms for the correlation coefficient</translation>
    </message>
    <message>
        <source>Algoritmi di acustica subacquea</source>
        <translation>Underwater acoustics algorithms</translation>
    </message>
    <message>
        <source> SELEZIONARE IL TIPO DI ALGORITMO CLICCANDO SUL PULSANTE</source>
        <translation> SELECT THE TYPE OF ALGORITHM BY CLICKING ITS BUTTON</translation>
    </message>
</context>
</TS>
