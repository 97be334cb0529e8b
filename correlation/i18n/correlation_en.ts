<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en_US">
<context>
    <name>Correlation</name>
    <message>
        <source> VARIABILI DI INGRESSO:</source>
        <translation> INPUT VARIABLES:</translation>
    </message>
    <message>
        <source> Si/Ni(dB)</source>
        <translation> Si/Ni(dB)</translation>
    </message>
    <message>
        <source> DATI IN USCITA:</source>
        <translation> OUTPUT DATA:</translation>
    </message>
    <message>
        <source> Sux(Vcc.)= </source>
        <translation> Sux(Vdc)= </translation>
    </message>
    <message>
        <source> RC(Sec.); BW(Hz)</source>
        <translation> RC(s); BW(Hz)</translation>
    </message>
    <message>
        <source> DATI IN USCITA: </source>
        <translation> OUTPUT DATA: </translation>
    </message>
    <message>
        <source> Nux(Veff.)= </source>
        <translation> Nux(Vrms)= </translation>
    </message>
    <message>
        <source> RC(Sec.); BW(Hz); d(roc)</source>
        <translation> RC(s); BW(Hz); d(roc)</translation>
    </message>
    <message>
        <source> (Si/Ni)dB= </source>
        <translation> (Si/Ni)dB= </translation>
    </message>
    <message>
        <source> Nux(Veff.); BW(Hz)</source>
        <translation> Nux(Vrms); BW(Hz)</translation>
    </message>
    <message>
        <source> RC(Sec.)= </source>
        <translation> RC(s)= </translation>
    </message>
    <message>
        <source> RC(Sec.); BW(Hz); Si/Ni(dB) </source>
        <translation> RC(s); BW(Hz); Si/Ni(dB) </translation>
    </message>
    <message>
        <source> (Sux/Nux)dB= </source>
        <translation> (Sux/Nux)dB= </translation>
    </message>
    <message>
        <source> RC(Sec.); BW(Hz); Si/Ni(dB)</source>
        <translation> RC(s); BW(Hz); Si/Ni(dB)</translation>
    </message>
    <message>
        <source> DATI DI USCITA:</source>
        <translation> OUTPUT DATA:</translation>
    </message>
    <message>
        <source> d(roc)= </source>
        <translation> d(roc)= </translation>
    </message>
    <message>
        <source> Sux(Vcc.); V.ingr.(Veff.)</source>
        <translation> Sux(Vdc); Vin(Vrms)</translation>
    </message>
    <message>
        <source> Ni(Veff.)= </source>
        <translation> Ni(Vrms)= </translation>
    </message>
    <message>
        <source> Si(Veff.)= </source>
        <translation> Si(Vrms)= </translation>
    </message>
    <message>
        <source> Raporto Si/Ni(db)= </source>
        <translation> Ratio Si/Ni(dB)= </translation>
    </message>
    <message>
        <source>A media =   </source>
        <translation>A mean =   </translation>
    </message>
    <message>
        <source>B media =   </source>
        <translation>B mean =   </translation>
    </message>
    <message>
        <source>A Dev.std.=   </source>
        <translation>A Std.dev.=   </translation>
    </message>
    <message>
        <source>B Dev.std.=   </source>
        <translation>B Std.dev.=   </translation>
    </message>
    <message>
        <source>scarto A</source>
        <translation>deviation A</translation>
    </message>
    <message>
        <source>; rapp.scarti =</source>
        <translation>; dev. ratio =</translation>
    </message>
    <message>
        <source>scarto B</source>
        <translation>deviation B</translation>
    </message>
</context>
<context>
    <name>Fault</name>
    <message>
        <source>Fondo scala troppo piccolo</source>
        <translation>Full scale too small</translation>
    </message>
    <message>
        <source>Il rapporto Si/Ni di ingresso non deve essere inferiore a -20 dB</source>
        <translation>The input Si/Ni ratio must not be below -20 dB</translation>
    </message>
</context>
<context>
    <name>px::Form12</name>
    <message>
        <source>F  (Hz)</source>
        <translation>F  (Hz)</translation>
    </message>
    <message>
        <source>F.scala(microS.)</source>
        <translation>Full scale (µs)</translation>
    </message>
    <message>
        <source>tc (microS.)</source>
        <translation>tc (µs)</translation>
    </message>
    <message>
        <source>Dato4</source>
        <translation>Input 4</translation>
    </message>
    <message>
        <source>Dato5</source>
        <translation>Input 5</translation>
    </message>
    <message>
        <source>Dato6</source>
        <translation>Input 6</translation>
    </message>
    <message>
        <source>F1  (Hz)</source>
        <translation>F1  (Hz)</translation>
    </message>
    <message>
        <source>F2  (Hz)</source>
        <translation>F2  (Hz)</translation>
    </message>
    <message>
        <source>Fondo scala (X°)</source>
        <translation>Full scale (X°)</translation>
    </message>
    <message>
        <source>BRQ  (a°)</source>
        <translation>BRQ  (a°)</translation>
    </message>
    <message>
        <source>Base d(mt)</source>
        <translation>Base d(m)</translation>
    </message>
    <message>
        <source>Fondo scala (x°)</source>
        <translation>Full scale (x°)</translation>
    </message>
    <message>
        <source>s/n ingresso (db)</source>
        <translation>input s/n (dB)</translation>
    </message>
    <message>
        <source>rc(Sec.)</source>
        <translation>rc(s)</translation>
    </message>
    <message>
        <source>ANAL. C = f(F,tc)</source>
        <translation>ANALOG C = f(F,tc)</translation>
    </message>
    <message>
        <source>ANAL. C = f(F1,F2,tc)</source>
        <translation>ANALOG C = f(F1,F2,tc)</translation>
    </message>
    <message>
        <source>ANAL. C = f(F,a°,d)</source>
        <translation>ANALOG C = f(F,a°,d)</translation>
    </message>
    <message>
        <source>DIG. C = f(F,tc)</source>
        <translation>DIGITAL C = f(F,tc)</translation>
    </message>
    <message>
        <source>DIG. C = f(F1,F2,tc)</source>
        <translation>DIGITAL C = f(F1,F2,tc)</translation>
    </message>
    <message>
        <source>ANAL. C = f(F1,F2,a°,d)</source>
        <translation>ANALOG C = f(F1,F2,a°,d)</translation>
    </message>
    <message>
        <source>DIG. C = f(F1,F2,tc,s/n,rc)</source>
        <translation>DIGITAL C = f(F1,F2,tc,s/n,rc)</translation>
    </message>
    <message>
        <source>DIG. HC = f(F1,F2,tc)</source>
        <translation>DIGITAL HC = f(F1,F2,tc)</translation>
    </message>
    <message>
        <source>CORR.PANORAMICA</source>
        <translation>PANORAMIC CORR.</translation>
    </message>
    <message>
        <source>ALGORITMI SISTEMI DIG.</source>
        <translation>DIGITAL SYSTEM ALGORITHMS</translation>
    </message>
    <message>
        <source>SIMULAZIONE DINAMICA</source>
        <translation>DYNAMIC SIMULATION</translation>
    </message>
    <message>
        <source>CORR. BLOCCHI  NUMERICI</source>
        <translation>NUMBER  BLOCK CORR.</translation>
    </message>
    <message>
        <source>Si/Ni(dB) = f[Sux(Vcc.);Ving.(Veff)]</source>
        <translation>Si/Ni(dB) = f[Sux(Vdc);Vin(Vrms)]</translation>
    </message>
    <message>
        <source>Si/Ni(dB) = f[d(roc); RC(Sec.);BW(Hz)]</source>
        <translation>Si/Ni(dB) = f[d(roc); RC(s);BW(Hz)]</translation>
    </message>
    <message>
        <source>Sux(Vcc) = f[(Si/Ni)dB]</source>
        <translation>Sux(Vdc) = f[(Si/Ni)dB]</translation>
    </message>
    <message>
        <source>Nux(Veff) = f[RC(Sec.);BW(Hz)]</source>
        <translation>Nux(Vrms) = f[RC(s);BW(Hz)]</translation>
    </message>
    <message>
        <source>Sux/Nux(dB) = f[Si/Ni(dB); RC(Sec.);BW(Hz)]</source>
        <translation>Sux/Nux(dB) = f[Si/Ni(dB); RC(s);BW(Hz)]</translation>
    </message>
    <message>
        <source>RC(Sec.) = f[Nux(Veff.);BW(Hz)]</source>
        <translation>RC(s) = f[Nux(Vrms);BW(Hz)]</translation>
    </message>
    <message>
        <source>d(roc) = f[RC(Sec.);Si/Ni(dB);BW(Hz)]</source>
        <translation>d(roc) = f[RC(s);Si/Ni(dB);BW(Hz)]</translation>
    </message>
    <message>
        <source>Metodi di correlazione per l&apos;acustica subacquea</source>
        <translation>Correlation methods for underwater acoustics</translation>
    </message>
    <message>
        <source>  SELEZIONE    PROCESSO</source>
        <translation>  PROCESS    SELECTION</translation>
    </message>
    <message>
        <source>Ingresso dati</source>
        <translation>Data input</translation>
    </message>
    <message>
        <source>Convalida dati</source>
        <translation>Validate data</translation>
    </message>
    <message>
        <source>Calcolo</source>
        <translation>Compute</translation>
    </message>
    <message>
        <source>Compara   grafici</source>
        <translation>Compare   graphs</translation>
    </message>
    <message>
        <source>Esempio di calcolo:                     Per un segnale in banda                F1 = 1000 Hz; F2 = 3000 Hz  ed un ritardo tc = 500 microSec.               si seleziona la funzione                     ANAL.C = f(F1,F2,tc) ;  si imposta un fondo scala ad un tempo pari a:  Fs = 1/F1 = 1/1000 =  1000 microSec.</source>
        <translation>Worked example:                                        For a signal in the band                                        F1 = 1000 Hz; F2 = 3000 Hz                                        and a delay tc = 500 µs;                                        select the function                                        ANALOG C = f(F1,F2,tc) ;                                        set the full scale to a time of:                                        Fs = 1/F1 = 1/1000 =  1000 µs.</translation>
    </message>
    <message>
        <source>SELEZIONE ALGORITMI PER SISTEMI DIGITALI</source>
        <translation>ALGORITHM SELECTION FOR DIGITAL SYSTEMS</translation>
    </message>
    <message>
        <source>Dato%1</source>
        <translation>Input %1</translation>
    </message>
    <message>
        <source>Copia rapporto</source>
        <translation>Copy report</translation>
    </message>
    <message>
        <source>ritardo/fondo scala</source>
        <translation>delay/full scale</translation>
    </message>
    <message>
        <source>Schema: correlazione in funzione dell&apos;angolo a°, di F e della base d</source>
        <translation>Diagram: correlation as a function of the angle a°, of F and of the base d</translation>
    </message>
    <message>
        <source>Schema: correlazione in funzione di F e del ritardo tc</source>
        <translation>Diagram: correlation as a function of F and of the delay tc</translation>
    </message>
    <message>
        <source>Schema del sistema digitale: elaboratore, ingressi, predisposizioni e uscite</source>
        <translation>Diagram of the digital system: processor, inputs, settings and outputs</translation>
    </message>
    <message>
        <source>Riquadro del correlogramma</source>
        <translation>Correlogram frame</translation>
    </message>
    <message>
        <source>K, fattore di guadagno</source>
        <translation>K, gain factor</translation>
    </message>
    <message>
        <source>Rapporto:
</source>
        <translation>Report:
</translation>
    </message>
    <message>
        <source>Correlogramma dei nove canali del correlatore digitale</source>
        <translation>Correlogram of the nine channels of the digital correlator</translation>
    </message>
    <message>
        <source>Curva %1 di %2 punti: C massimo %3 al %4% del fondo scala, C minimo %5 al %6% del fondo scala.</source>
        <translation>%1 curve of %2 points: maximum C %3 at %4% of full scale, minimum C %5 at %6% of full scale.</translation>
    </message>
    <message>
        <source>blu</source>
        <translation>Blue</translation>
    </message>
    <message>
        <source>rossa</source>
        <translation>Red</translation>
    </message>
    <message>
        <source>Riquadro del grafico di C, senza curve.</source>
        <translation>Frame of the graph of C, with no curves.</translation>
    </message>
    <message>
        <source>Nessun rapporto da copiare: gli appunti non cambiano</source>
        <translation>No report to copy: the clipboard is unchanged</translation>
    </message>
    <message>
        <source>Rapporto copiato negli appunti: %1 righe</source>
        <translation>Report copied to the clipboard: %1 lines</translation>
    </message>
    <message>
        <source>Frequenza superiore F della banda 0-F, in Hz</source>
        <translation>Upper frequency F of the band 0-F, in Hz</translation>
    </message>
    <message>
        <source>Frequenza inferiore F1 della banda, in Hz</source>
        <translation>Lower frequency F1 of the band, in Hz</translation>
    </message>
    <message>
        <source>Frequenza superiore F2 della banda, in Hz</source>
        <translation>Upper frequency F2 of the band, in Hz</translation>
    </message>
    <message>
        <source>Fondo scala dell&apos;asse dei tempi, in microsecondi</source>
        <translation>Full scale of the time axis, in microseconds</translation>
    </message>
    <message>
        <source>Ritardo tc fra i due segnali, in microsecondi</source>
        <translation>Delay tc between the two signals, in microseconds</translation>
    </message>
    <message>
        <source>Fondo scala dell&apos;asse degli angoli, in gradi</source>
        <translation>Full scale of the angle axis, in degrees</translation>
    </message>
    <message>
        <source>Angolo di provenienza BRQ della sorgente, in gradi</source>
        <translation>Bearing BRQ of the source, in degrees</translation>
    </message>
    <message>
        <source>Lunghezza d della base, in metri</source>
        <translation>Length d of the base, in metres</translation>
    </message>
    <message>
        <source>Rapporto segnale/rumore d&apos;ingresso, in dB</source>
        <translation>Input signal-to-noise ratio, in dB</translation>
    </message>
    <message>
        <source>Costante di tempo d&apos;integrazione RC, in secondi</source>
        <translation>Integration time constant RC, in seconds</translation>
    </message>
    <message>
        <source>Tensione di alimentazione Valim, in volt continui</source>
        <translation>Supply voltage Valim, in volts DC</translation>
    </message>
    <message>
        <source>Tensione d&apos;uscita Sux, in volt continui</source>
        <translation>Output voltage Sux, in volts DC</translation>
    </message>
    <message>
        <source>Tensione efficace d&apos;ingresso Ving = Si + Ni, in volt</source>
        <translation>RMS input voltage Vin = Si + Ni, in volts</translation>
    </message>
    <message>
        <source>Rapporto segnale/rumore d&apos;ingresso Si/Ni, in dB</source>
        <translation>Input signal-to-noise ratio Si/Ni, in dB</translation>
    </message>
    <message>
        <source>Banda di ricezione BW, in Hz</source>
        <translation>Receiver bandwidth BW, in Hz</translation>
    </message>
    <message>
        <source>Indice di scoperta d(roc), numero puro</source>
        <translation>Detection index d(roc), dimensionless</translation>
    </message>
    <message>
        <source>Rumore d&apos;uscita Nux, in volt efficaci</source>
        <translation>Output noise Nux, in volts RMS</translation>
    </message>
    <message>
        <source>Rapporto segnale/rumore d&apos;ingresso, in dB (non sotto -20 dB)</source>
        <translation>Input signal-to-noise ratio, in dB (not below -20 dB)</translation>
    </message>
    <message>
        <source>Uscita attesa del correlatore, in volt (risultato)</source>
        <translation>Expected correlator output, in volts (result)</translation>
    </message>
    <message>
        <source>Uscita simulata del correlatore, in volt (risultato)</source>
        <translation>Simulated correlator output, in volts (result)</translation>
    </message>
    <message>
        <source>Scarto relativo di un canale non correlato, numero puro (risultato)</source>
        <translation>Relative deviation of an uncorrelated channel, dimensionless (result)</translation>
    </message>
    <message>
        <source>Guadagno automatico del correlogramma, numero puro (risultato)</source>
        <translation>Automatic gain of the correlogram, dimensionless (result)</translation>
    </message>
    <message>
        <source>Lunghezza n dei due blocchi: al più 64 coppie</source>
        <translation>Length n of the two blocks: at most 64 pairs</translation>
    </message>
    <message>
        <source>Modo: 1 correla B con A a ogni scorrimento; un altro valore dà il rapporto singolo</source>
        <translation>Mode: 1 correlates B with A at every shift; any other value gives the single report</translation>
    </message>
    <message>
        <source>righe %1-%2 di %3</source>
        <translation>lines %1-%2 of %3</translation>
    </message>
    <message>
        <source>Suggerimento</source>
        <translation>Hint</translation>
    </message>
    <message>
        <source>Scorrimento del rapporto</source>
        <translation>Report scroll bar</translation>
    </message>
    <message>
        <source>Coppia non memorizzata: premere Convalida dati (o Invio)</source>
        <translation>Pair not stored: press Validate data (or Enter)</translation>
    </message>
    <message>
        <source>Dati non convalidati: premere Convalida dati (o Invio)</source>
        <translation>Data not validated: press Validate data (or Enter)</translation>
    </message>
    <message>
        <source>Simulazione fermata al ciclo %1: processo cambiato</source>
        <translation>Simulation stopped at cycle %1: process changed</translation>
    </message>
    <message>
        <source>Campi vuoti: Calcolo usa i dati convalidati in precedenza</source>
        <translation>Empty fields: Compute uses the data validated earlier</translation>
    </message>
    <message>
        <source>Scrivere i dati, poi Convalida dati e Calcolo (o Invio)</source>
        <translation>Type the data, then Validate data and Compute (or Enter)</translation>
    </message>
    <message>
        <source>Scegliere un algoritmo nell&apos;elenco</source>
        <translation>Pick an algorithm from the list</translation>
    </message>
    <message>
        <source>Convalida dati prepara la tabella, Calcolo avvia la simulazione</source>
        <translation>Validate data prepares the table, Compute starts the simulation</translation>
    </message>
    <message>
        <source>Premere Calcolo per predisporre i blocchi (al più 64 coppie)</source>
        <translation>Press Compute to set up the blocks (at most 64 pairs)</translation>
    </message>
    <message>
        <source>Scegliere prima un processo</source>
        <translation>Pick a process first</translation>
    </message>
    <message>
        <source>Tabella delle coincidenze pronta: premere Calcolo</source>
        <translation>Coincidence table ready: press Compute</translation>
    </message>
    <message>
        <source>Coppia %1 di %2 memorizzata</source>
        <translation>Pair %1 of %2 stored</translation>
    </message>
    <message>
        <source>Coppia memorizzata all&apos;indice 1: scrivere n</source>
        <translation>Pair stored at index 1: type n</translation>
    </message>
    <message>
        <source> (i blocchi tengono al più 64 coppie)</source>
        <translation> (the blocks hold at most 64 pairs)</translation>
    </message>
    <message>
        <source>: premere Calcolo</source>
        <translation>: press Compute</translation>
    </message>
    <message>
        <source>Dati convalidati</source>
        <translation>Data validated</translation>
    </message>
    <message>
        <source>Coppia scritta non memorizzata: premere Convalida dati</source>
        <translation>Pair typed but not stored: press Validate data</translation>
    </message>
    <message>
        <source>Calcolato con i dati convalidati prima: premere Convalida dati</source>
        <translation>Computed with the data validated earlier: press Validate data</translation>
    </message>
    <message>
        <source>K vale 0: la curva, moltiplicata per K, resta sull&apos;asse</source>
        <translation>K is 0: the curve, multiplied by K, stays on the axis</translation>
    </message>
    <message>
        <source>Scrivere n (al più 64) e la coppia 1, poi Convalida dati (o Invio)</source>
        <translation>Type n (at most 64) and pair 1, then Validate data (or Enter)</translation>
    </message>
    <message>
        <source>Nessun rapporto con questi dati</source>
        <translation>No report with these data</translation>
    </message>
    <message>
        <source>Rapporto di %1 righe: rotella, PagGiù o Ctrl+Fine per leggerlo</source>
        <translation>Report of %1 lines: wheel, PgDown or Ctrl+End to read it</translation>
    </message>
    <message>
        <source>Simulazione fermata al ciclo %1</source>
        <translation>Simulation stopped at cycle %1</translation>
    </message>
    <message>
        <source>Valore del blocco %1 all&apos;indice %2</source>
        <translation>Value of block %1 at index %2</translation>
    </message>
    <message>
        <source>Dato %1: scegliere prima un processo</source>
        <translation>Input %1: pick a process first</translation>
    </message>
    <message>
        <source>Non usato da questo processo</source>
        <translation>Not used by this process</translation>
    </message>
    <message>
        <source>Fattore di guadagno K, numero puro: la curva è moltiplicata per K (vuoto o 0: la curva resta sull&apos;asse)</source>
        <translation>Gain factor K, dimensionless: the curve is multiplied by K (empty or 0: the curve stays on the axis)</translation>
    </message>
    <message>
        <source>Guadagno K del correlogramma, numero puro (vuoto o 0: guadagno automatico)</source>
        <translation>Gain K of the correlogram, dimensionless (empty or 0: automatic gain)</translation>
    </message>
    <message>
        <source>Fattore di guadagno K, numero puro: moltiplica la curva di DIG. C = f(F1,F2,tc,s/n,rc) (vuoto o 0: curva sull&apos;asse)</source>
        <translation>Gain factor K, dimensionless: multiplies the curve of DIGITAL C = f(F1,F2,tc,s/n,rc) (empty or 0: curve on the axis)</translation>
    </message>
    <message>
        <source>V.alim.(Vcc.)</source>
        <translation>V.supply(Vdc)</translation>
    </message>
    <message>
        <source>Sux(Vcc.)</source>
        <translation>Sux(Vdc)</translation>
    </message>
    <message>
        <source>V.eff.ingr.</source>
        <translation>Vin(Vrms)</translation>
    </message>
    <message>
        <source>BW(Hz)</source>
        <translation>BW(Hz)</translation>
    </message>
    <message>
        <source>RC(Sec.)</source>
        <translation>RC(s)</translation>
    </message>
    <message>
        <source>d(roc)</source>
        <translation>d(roc)</translation>
    </message>
    <message>
        <source>Si/Ni(dB)</source>
        <translation>Si/Ni(dB)</translation>
    </message>
    <message>
        <source>Dato3</source>
        <translation>Input 3</translation>
    </message>
    <message>
        <source>Nux(Veff.)</source>
        <translation>Nux(Vrms)</translation>
    </message>
    <message>
        <source>rosso: </source>
        <translation>red: </translation>
    </message>
    <message>
        <source>blu: </source>
        <translation>blue: </translation>
    </message>
    <message>
        <source>angolo_frazione_fondo_scala</source>
        <translation>angle_fraction_of_full_scale</translation>
    </message>
    <message>
        <source>ritardo_frazione_fondo_scala</source>
        <translation>delay_fraction_of_full_scale</translation>
    </message>
    <message>
        <source>Si/Ni(db)</source>
        <translation>Si/Ni (dB)</translation>
    </message>
    <message>
        <source>Sux (atteso)</source>
        <translation>Sux (expected)</translation>
    </message>
    <message>
        <source>Sux(dinamico)</source>
        <translation>Sux (dynamic)</translation>
    </message>
    <message>
        <source>Nux(Picco)/100</source>
        <translation>Nux(peak)/100</translation>
    </message>
    <message>
        <source>G.autom.</source>
        <translation>Auto gain</translation>
    </message>
    <message>
        <source>Simulazione in corso: Calcolo o Esc la ferma</source>
        <translation>Simulation running: Compute or Esc stops it</translation>
    </message>
    <message>
        <source>Simulazione interrotta dall&apos;errore al ciclo %1</source>
        <translation>Simulation interrupted by the error at cycle %1</translation>
    </message>
    <message>
        <source>correlogramma</source>
        <translation>correlogram</translation>
    </message>
    <message>
        <source>canale</source>
        <translation>channel</translation>
    </message>
    <message>
        <source>Simulazione finita: %1 cicli</source>
        <translation>Simulation finished: %1 cycles</translation>
    </message>
</context>
</TS>
