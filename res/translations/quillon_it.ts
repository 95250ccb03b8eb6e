<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="it_IT">
<context>
    <name>CommLink</name>
    <message>
        <source>queues of %1 bytes</source>
        <translation>le code di %1 byte</translation>
    </message>
    <message>
        <source>Its driver refused the read timeouts: %1</source>
        <translation>Il driver della porta ha rifiutato i timeout di lettura: %1</translation>
    </message>
    <message>
        <source>Another program holds the port.</source>
        <translation>Un altro programma sta usando la porta.</translation>
    </message>
    <message>
        <source>The port is gone: the system does not have it (any more).</source>
        <translation>La porta è sparita: il sistema non la rileva (più).</translation>
    </message>
    <message>
        <source>Its driver refused the device (&quot;device not functioning&quot;, Code 10 in Device Manager), as drivers do to many clone chips: %1</source>
        <translation>Il driver ha rifiutato il dispositivo (&quot;il dispositivo non funziona&quot;, codice 10 in Gestione dispositivi), come fanno i driver con molti chip clonati: %1</translation>
    </message>
</context>
<context>
    <name>CommandLine</name>
    <message>
        <source>Quillon types what a serial instrument (a caliper, a scale, a barcode scanner)
sends into the application that has the keyboard focus, or shows it in its own
data log. Qt&apos;s own options, such as -platform and -style, are accepted too.</source>
        <translation>Quillon digita ciò che uno strumento seriale (un calibro, una bilancia, un
lettore di codici a barre) invia nell&apos;applicazione che ha il focus della
tastiera, oppure lo mostra nel proprio registro dati. Sono accettate anche le
opzioni di Qt, come -platform e -style.</translation>
    </message>
    <message>
        <source>Quillon %1</source>
        <translation>Quillon %1</translation>
    </message>
    <message>
        <source>Shows this help and exits.</source>
        <translation>Mostra questa guida ed esce.</translation>
    </message>
</context>
<context>
    <name>Connection</name>
    <message>
        <source>The instrument that was lost is not back yet.</source>
        <translation>Lo strumento perso non è ancora tornato.</translation>
    </message>
</context>
<context>
    <name>Notices</name>
    <message>
        <source>Quillon: %1</source>
        <translation>Quillon: %1</translation>
    </message>
    <message>
        <source>Quillon&apos;s own window has the keyboard focus</source>
        <translation>La finestra di Quillon stesso ha il focus della tastiera</translation>
    </message>
    <message>
        <source>Click into the application that should receive the readings. What was not typed is in Quillon&apos;s data log.</source>
        <translation>Fare clic nell&apos;applicazione che deve ricevere le letture. Ciò che non è stato digitato si trova nel registro dati di Quillon.</translation>
    </message>
    <message>
        <source>Quillon did not type a reading</source>
        <translation>Quillon non ha digitato una lettura</translation>
    </message>
    <message>
        <source>A modifier key (Shift, Ctrl, Alt, AltGr or the Windows key) stayed held down, which would have turned the reading into shortcuts. What was not typed is in Quillon&apos;s data log.</source>
        <translation>Un tasto modificatore (Maiusc, Ctrl, Alt, AltGr o il tasto Windows) è rimasto premuto e avrebbe trasformato la lettura in scorciatoie da tastiera. Ciò che non è stato digitato si trova nel registro dati di Quillon.</translation>
    </message>
    <message>
        <source>Quillon cannot type into other applications</source>
        <translation>Quillon non può digitare in altre applicazioni</translation>
    </message>
    <message>
        <source>%1. Received data is not typed but shown in the data log.</source>
        <translation>%1. I dati ricevuti non vengono digitati ma mostrati nel registro dati.</translation>
    </message>
    <message>
        <source>Quillon cannot type into Wayland applications</source>
        <translation>Quillon non può digitare nelle applicazioni Wayland</translation>
    </message>
    <message>
        <source>%1. Only X11 applications receive typed data; the data log works as usual.</source>
        <translation>%1. Solo le applicazioni X11 ricevono i dati digitati; il registro dati funziona come sempre.</translation>
    </message>
    <message>
        <source>Quillon did not type a reading that came while the desktop asked for permission</source>
        <translation>Quillon non ha digitato una lettura arrivata mentre il desktop chiedeva l&apos;autorizzazione</translation>
    </message>
    <message>
        <source>Where the keyboard focus is after the question is not known. The reading is in Quillon&apos;s data log.</source>
        <translation>Non si sa dove si trovi il focus della tastiera dopo la domanda. La lettura si trova nel registro dati di Quillon.</translation>
    </message>
    <message>
        <source>Quillon cannot type for now</source>
        <translation>Quillon al momento non può digitare</translation>
    </message>
    <message>
        <source>%1. Readings that cannot be typed are kept in Quillon&apos;s data log; Quillon tries again with each new reading.</source>
        <translation>%1. Le letture che non possono essere digitate restano nel registro dati di Quillon; Quillon riprova a ogni nuova lettura.</translation>
    </message>
    <message>
        <source>The keyboard map cannot be read; keys are typed by the last one read</source>
        <translation>Impossibile leggere la mappa della tastiera; i tasti vengono digitati secondo l&apos;ultima letta</translation>
    </message>
    <message>
        <source>The X server refused a key for the character %1</source>
        <translation>Il server X ha rifiutato un tasto per il carattere %1</translation>
    </message>
    <message>
        <source>What was not typed is in Quillon&apos;s data log.</source>
        <translation>Ciò che non è stato digitato si trova nel registro dati di Quillon.</translation>
    </message>
    <message>
        <source>The keyboard map has no spare key to carry characters the layout lacks</source>
        <translation>La mappa della tastiera non ha tasti liberi per i caratteri che mancano nel layout</translation>
    </message>
    <message>
        <source>The connection to the X server is lost</source>
        <translation>La connessione al server X è stata persa</translation>
    </message>
    <message>
        <source>Received data is no longer typed but shown in the data log.</source>
        <translation>I dati ricevuti non vengono più digitati ma mostrati nel registro dati.</translation>
    </message>
    <message>
        <source>Windows refused to let go of a key Quillon typed</source>
        <translation>Windows non ha permesso di rilasciare un tasto premuto da Quillon</translation>
    </message>
    <message>
        <source>The focused program may run with higher rights than Quillon (error %1). Quillon tries again before the next key; readings wait in Quillon&apos;s data log meanwhile.</source>
        <translation>Il programma che ha il focus potrebbe essere in esecuzione con privilegi più elevati di Quillon (errore %1). Quillon riprova prima del tasto successivo; nel frattempo le letture attendono nel registro dati di Quillon.</translation>
    </message>
    <message>
        <source>Windows refused a key</source>
        <translation>Windows ha rifiutato un tasto</translation>
    </message>
    <message>
        <source>The focused program may run with higher rights than Quillon (error %1). What was not typed is in Quillon&apos;s data log.</source>
        <translation>Il programma che ha il focus potrebbe essere in esecuzione con privilegi più elevati di Quillon (errore %1). Ciò che non è stato digitato si trova nel registro dati di Quillon.</translation>
    </message>
    <message>
        <source>no desktop portal on the session bus</source>
        <translation>nessun portale desktop sul bus di sessione</translation>
    </message>
    <message>
        <source>the remote desktop portal did not answer</source>
        <translation>il portale desktop remoto non ha risposto</translation>
    </message>
    <message>
        <source>the remote desktop portal no longer takes keys</source>
        <translation>il portale desktop remoto non accetta più i tasti</translation>
    </message>
    <message>
        <source>the remote desktop portal does not take keys</source>
        <translation>il portale desktop remoto non accetta i tasti</translation>
    </message>
    <message>
        <source>the remote desktop session was ended</source>
        <translation>la sessione di desktop remoto è stata chiusa</translation>
    </message>
    <message>
        <source>the user declined the remote desktop request</source>
        <translation>l&apos;utente ha rifiutato la richiesta di desktop remoto</translation>
    </message>
    <message>
        <source>the remote desktop portal failed</source>
        <translation>il portale desktop remoto ha restituito un errore</translation>
    </message>
    <message>
        <source>the remote desktop portal refused %1: %2</source>
        <translation>il portale desktop remoto ha rifiutato %1: %2</translation>
    </message>
    <message>
        <source>no Wayland display can be reached</source>
        <translation>nessun display Wayland raggiungibile</translation>
    </message>
    <message>
        <source>the compositor does not answer</source>
        <translation>il compositor non risponde</translation>
    </message>
    <message>
        <source>the compositor offers no virtual keyboard (zwp_virtual_keyboard_manager_v1)</source>
        <translation>il compositor non offre alcuna tastiera virtuale (zwp_virtual_keyboard_manager_v1)</translation>
    </message>
    <message>
        <source>the compositor offers no seat</source>
        <translation>il compositor non offre alcuna postazione (wl_seat)</translation>
    </message>
    <message>
        <source>the virtual keyboard&apos;s keymap does not compile</source>
        <translation>impossibile compilare la mappa della tastiera virtuale</translation>
    </message>
    <message>
        <source>the compositor refused a virtual keyboard</source>
        <translation>il compositor ha rifiutato una tastiera virtuale</translation>
    </message>
    <message>
        <source>the compositor did not take the virtual keyboard&apos;s keymap</source>
        <translation>il compositor non ha accettato la mappa della tastiera virtuale</translation>
    </message>
    <message>
        <source>the compositor does not take the keys</source>
        <translation>il compositor non accetta i tasti</translation>
    </message>
    <message>
        <source>the compositor&apos;s messages cannot be read</source>
        <translation>impossibile leggere i messaggi del compositor</translation>
    </message>
    <message>
        <source>the connection to the Wayland compositor is lost</source>
        <translation>la connessione al compositor Wayland è stata persa</translation>
    </message>
    <message>
        <source>no X display (DISPLAY is not set)</source>
        <translation>nessun display X (la variabile DISPLAY non è impostata)</translation>
    </message>
    <message>
        <source>the X display cannot be opened</source>
        <translation>impossibile aprire il display X</translation>
    </message>
    <message>
        <source>the X server offers no XTEST extension</source>
        <translation>il server X non offre l&apos;estensione XTEST</translation>
    </message>
</context>
<context>
    <name>QtSerialLink</name>
    <message>
        <source>This user may not use the port. Join the group dialout with the command
sudo usermod -aG dialout $USER
then log out and in again.</source>
        <translation>Questo utente non ha il permesso di usare la porta. Aggiungerlo al gruppo dialout con il comando
sudo usermod -aG dialout $USER
quindi uscire dalla sessione e accedere di nuovo.</translation>
    </message>
    <message>
        <source>Another program holds the port, or this user may not use it (on most systems that takes membership of the group dialout).</source>
        <translation>Un altro programma sta usando la porta, oppure questo utente non ha il permesso di usarla (nella maggior parte dei sistemi occorre appartenere al gruppo dialout).</translation>
    </message>
    <message>
        <source>The port is gone: the system does not have it (any more).</source>
        <translation>La porta è sparita: il sistema non la rileva (più).</translation>
    </message>
</context>
<context>
    <name>ReadingRouter</name>
    <message>
        <source>The device sent %1 KiB without a line end</source>
        <translation>Il dispositivo ha inviato %1 KiB senza fine riga</translation>
    </message>
    <message>
        <source>Bytes from the device were lost on the line</source>
        <translation>Alcuni byte del dispositivo sono andati persi sulla linea</translation>
    </message>
    <message>
        <source>The serial port reported overruns, framing or parity errors. Readings with a gap are not typed but shown in Quillon&apos;s data log. A device that sends more than about 25 characters a second outruns typing: set it to send on request or on a stable value, or use the data log.</source>
        <translation>La porta seriale ha segnalato overrun, errori di framing o di parità. Le letture con una lacuna non vengono digitate ma mostrate nel registro dati di Quillon. Un dispositivo che invia più di circa 25 caratteri al secondo è più veloce della digitazione: impostarlo per inviare su richiesta o a valore stabile, oppure usare il registro dati.</translation>
    </message>
    <message>
        <source>%1 (only &quot;%2&quot; of it was typed)</source>
        <translation>%1 (ne è stato digitato solo &quot;%2&quot;)</translation>
    </message>
    <message>
        <source>Not typed (bytes were lost on the line): %1</source>
        <translation>Non digitato (byte persi sulla linea): %1</translation>
    </message>
    <message>
        <source>Not typed: %1</source>
        <translation>Non digitato: %1</translation>
    </message>
    <message>
        <source>Check its line-end setting. What it sent is in Quillon&apos;s data log.</source>
        <translation>Controllare l&apos;impostazione di fine riga del dispositivo. Ciò che ha inviato si trova nel registro dati di Quillon.</translation>
    </message>
    <message>
        <source>[bytes were lost on the line]</source>
        <translation>[byte persi sulla linea]</translation>
    </message>
</context>
<context>
    <name>Widget</name>
    <message>
        <source>What the instrument sent while To Keyboard is off</source>
        <translation>Ciò che lo strumento ha inviato mentre &quot;A tastiera&quot; è disattivato</translation>
    </message>
    <message>
        <source>Command line</source>
        <translation>Riga di comando</translation>
    </message>
    <message>
        <source>Sent to the instrument with Enter or Send command</source>
        <translation>Inviata allo strumento con Invio o &quot;Invia comando&quot;</translation>
    </message>
    <message>
        <source>Data Log</source>
        <translation>Registro</translation>
    </message>
    <message>
        <source>About Quillon</source>
        <translation>Informazioni su Quillon</translation>
    </message>
    <message>
        <source>?</source>
        <translation>?</translation>
    </message>
    <message>
        <source>About Qt</source>
        <translation>Informazioni su Qt</translation>
    </message>
    <message>
        <source>Qt</source>
        <translation>Qt</translation>
    </message>
    <message>
        <source>Connect</source>
        <translation>Connetti</translation>
    </message>
    <message>
        <source>COM</source>
        <translation>COM</translation>
    </message>
    <message>
        <source>The serial port the instrument is on</source>
        <translation>La porta seriale a cui è collegato lo strumento</translation>
    </message>
    <message>
        <source>Baud Rate</source>
        <translation>Baud rate</translation>
    </message>
    <message>
        <source>Bit Parity</source>
        <translation>Bit/Parità</translation>
    </message>
    <message>
        <source>Data bits and parity</source>
        <translation>Bit di dati e parità</translation>
    </message>
    <message>
        <source>8/NO</source>
        <translation>8/NESSUNA</translation>
    </message>
    <message>
        <source>7/NO</source>
        <translation>7/NESSUNA</translation>
    </message>
    <message>
        <source>7/MARK</source>
        <translation>7/MARK</translation>
    </message>
    <message>
        <source>7/SPACE</source>
        <translation>7/SPAZIO</translation>
    </message>
    <message>
        <source>7/EVEN</source>
        <translation>7/PARI</translation>
    </message>
    <message>
        <source>7/ODD</source>
        <translation>7/DISPARI</translation>
    </message>
    <message>
        <source>Stop Bits</source>
        <translation>Bit di stop</translation>
    </message>
    <message>
        <source>HD.Shake</source>
        <translation>Contr. flusso</translation>
    </message>
    <message>
        <source>Handshake: the flow control</source>
        <translation>Controllo di flusso (handshake)</translation>
    </message>
    <message>
        <source>XON/XOFF</source>
        <translation>XON/XOFF</translation>
    </message>
    <message>
        <source>OFF</source>
        <translation>NESSUNO</translation>
    </message>
    <message>
        <source>RTS/CTS</source>
        <translation>RTS/CTS</translation>
    </message>
    <message>
        <source>Clear screen</source>
        <translation>Pulisci</translation>
    </message>
    <message>
        <source>Types each reading into the application that has the focus; when off, readings go to the data log</source>
        <translation>Digita ogni lettura nell&apos;applicazione che ha il focus; se disattivato, le letture vanno nel registro dati</translation>
    </message>
    <message>
        <source>To Keyboard</source>
        <translation>A tastiera</translation>
    </message>
    <message>
        <source>Export mode</source>
        <translation>Modo uscita</translation>
    </message>
    <message>
        <source>Fennick types the instrument&apos;s codes for Enter and Tab as those keys</source>
        <translation>Fennick digita i codici di Invio e Tab dello strumento come quei tasti</translation>
    </message>
    <message>
        <source>Standard</source>
        <translation>Standard</translation>
    </message>
    <message>
        <source>Send command</source>
        <translation>Invia comando</translation>
    </message>
    <message>
        <source>About</source>
        <translation>Informazioni</translation>
    </message>
    <message>
        <source>V1.11 
Developed by Brenvik</source>
        <translation>V1.11 
Sviluppato da Brenvik</translation>
    </message>
    <message>
        <source>Open COM port Failed</source>
        <translation>Impossibile aprire la porta COM</translation>
    </message>
    <message>
        <source>Open COM port Failed, check whether it&apos;s occupied</source>
        <translation>Impossibile aprire la porta COM, verificare se è occupata</translation>
    </message>
    <message>
        <source>Could not open %1</source>
        <translation>Impossibile aprire %1</translation>
    </message>
    <message>
        <source>%1 did not take a setting</source>
        <translation>%1 non ha accettato un&apos;impostazione</translation>
    </message>
    <message>
        <source>Its driver refused %1 and keeps its own instead; readings may come out garbled if the instrument does not use the same.</source>
        <translation>Il driver ha rifiutato %1 e mantiene il proprio valore; le letture potrebbero risultare alterate se lo strumento non usa lo stesso.</translation>
    </message>
    <message>
        <source>USB %1:%2</source>
        <translation>USB %1:%2</translation>
    </message>
    <message>
        <source>Serial number %1</source>
        <translation>Numero di serie %1</translation>
    </message>
</context>
<context>
    <name>Win32CommPort</name>
    <message>
        <source>every setting (%1)</source>
        <translation>tutte le impostazioni (%1)</translation>
    </message>
    <message>
        <source>the baud rate %1</source>
        <translation>la velocità di %1 baud</translation>
    </message>
    <message>
        <source>%1 data bits</source>
        <translation>%1 bit di dati</translation>
    </message>
    <message>
        <source>the flow control</source>
        <translation>il controllo di flusso</translation>
    </message>
    <message>
        <source>the parity</source>
        <translation>la parità</translation>
    </message>
    <message>
        <source>the stop bits</source>
        <translation>i bit di stop</translation>
    </message>
    <message>
        <source>error %1</source>
        <translation>errore %1</translation>
    </message>
    <message>
        <source>%1 (error %2)</source>
        <translation>%1 (errore %2)</translation>
    </message>
</context>
</TS>
