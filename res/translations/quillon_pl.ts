<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="pl_PL">
<context>
    <name>CommLink</name>
    <message>
        <source>queues of %1 bytes</source>
        <translation>kolejki o rozmiarze %1 bajtów</translation>
    </message>
    <message>
        <source>Its driver refused the read timeouts: %1</source>
        <translation>Sterownik odrzucił limity czasu odczytu: %1</translation>
    </message>
    <message>
        <source>Another program holds the port.</source>
        <translation>Port jest zajęty przez inny program.</translation>
    </message>
    <message>
        <source>The port is gone: the system does not have it (any more).</source>
        <translation>Port zniknął: nie ma go (już) w systemie.</translation>
    </message>
    <message>
        <source>Its driver refused the device (&quot;device not functioning&quot;, Code 10 in Device Manager), as drivers do to many clone chips: %1</source>
        <translation>Sterownik odrzucił urządzenie („urządzenie nie działa”, kod 10 w Menedżerze urządzeń), jak to robią sterowniki z wieloma klonami układów: %1</translation>
    </message>
</context>
<context>
    <name>CommandLine</name>
    <message>
        <source>Quillon types what a serial instrument (a caliper, a scale, a barcode scanner)
sends into the application that has the keyboard focus, or shows it in its own
data log. Qt&apos;s own options, such as -platform and -style, are accepted too.</source>
        <translation>Quillon wpisuje to, co wysyła przyrząd szeregowy (suwmiarka, waga, czytnik kodów
kreskowych), do aplikacji z fokusem klawiatury albo pokazuje to we własnym
dzienniku danych. Akceptowane są też opcje samego Qt, np. -platform i -style.</translation>
    </message>
    <message>
        <source>Quillon %1</source>
        <translation>Quillon %1</translation>
    </message>
    <message>
        <source>Shows this help and exits.</source>
        <translation>Wyświetla tę pomoc i kończy działanie.</translation>
    </message>
</context>
<context>
    <name>Connection</name>
    <message>
        <source>The instrument that was lost is not back yet.</source>
        <translation>Utracony przyrząd jeszcze się nie pojawił.</translation>
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
        <translation>Okno programu Quillon ma fokus klawiatury</translation>
    </message>
    <message>
        <source>Click into the application that should receive the readings. What was not typed is in Quillon&apos;s data log.</source>
        <translation>Kliknij aplikację, która ma otrzymywać odczyty. To, czego nie wpisano, jest w dzienniku danych programu Quillon.</translation>
    </message>
    <message>
        <source>Quillon did not type a reading</source>
        <translation>Quillon nie wpisał odczytu</translation>
    </message>
    <message>
        <source>A modifier key (Shift, Ctrl, Alt, AltGr or the Windows key) stayed held down, which would have turned the reading into shortcuts. What was not typed is in Quillon&apos;s data log.</source>
        <translation>Klawisz modyfikujący (Shift, Ctrl, Alt, AltGr lub klawisz Windows) pozostał wciśnięty, co zamieniłoby odczyt w skróty klawiaturowe. To, czego nie wpisano, jest w dzienniku danych programu Quillon.</translation>
    </message>
    <message>
        <source>Quillon cannot type into other applications</source>
        <translation>Quillon nie może wpisywać do innych aplikacji</translation>
    </message>
    <message>
        <source>%1. Received data is not typed but shown in the data log.</source>
        <translation>%1. Odebrane dane nie są wpisywane, lecz pokazywane w dzienniku danych.</translation>
    </message>
    <message>
        <source>Quillon cannot type into Wayland applications</source>
        <translation>Quillon nie może wpisywać do aplikacji Wayland</translation>
    </message>
    <message>
        <source>%1. Only X11 applications receive typed data; the data log works as usual.</source>
        <translation>%1. Wpisywane dane otrzymują tylko aplikacje X11; dziennik danych działa jak zwykle.</translation>
    </message>
    <message>
        <source>Quillon did not type a reading that came while the desktop asked for permission</source>
        <translation>Quillon nie wpisał odczytu, który nadszedł, gdy pulpit pytał o zgodę</translation>
    </message>
    <message>
        <source>Where the keyboard focus is after the question is not known. The reading is in Quillon&apos;s data log.</source>
        <translation>Nie wiadomo, gdzie jest fokus klawiatury po tym pytaniu. Odczyt jest w dzienniku danych programu Quillon.</translation>
    </message>
    <message>
        <source>Quillon cannot type for now</source>
        <translation>Quillon chwilowo nie może wpisywać</translation>
    </message>
    <message>
        <source>%1. Readings that cannot be typed are kept in Quillon&apos;s data log; Quillon tries again with each new reading.</source>
        <translation>%1. Odczyty, których nie da się wpisać, trafiają do dziennika danych programu Quillon; Quillon próbuje ponownie przy każdym nowym odczycie.</translation>
    </message>
    <message>
        <source>The keyboard map cannot be read; keys are typed by the last one read</source>
        <translation>Nie można odczytać mapy klawiatury; klawisze są wpisywane według ostatnio odczytanej</translation>
    </message>
    <message>
        <source>The X server refused a key for the character %1</source>
        <translation>Serwer X odrzucił klawisz dla znaku %1</translation>
    </message>
    <message>
        <source>What was not typed is in Quillon&apos;s data log.</source>
        <translation>To, czego nie wpisano, jest w dzienniku danych programu Quillon.</translation>
    </message>
    <message>
        <source>The keyboard map has no spare key to carry characters the layout lacks</source>
        <translation>Mapa klawiatury nie ma wolnego klawisza na znaki, których brakuje w układzie</translation>
    </message>
    <message>
        <source>The connection to the X server is lost</source>
        <translation>Utracono połączenie z serwerem X</translation>
    </message>
    <message>
        <source>Received data is no longer typed but shown in the data log.</source>
        <translation>Odebrane dane nie są już wpisywane, lecz pokazywane w dzienniku danych.</translation>
    </message>
    <message>
        <source>Windows refused to let go of a key Quillon typed</source>
        <translation>Windows nie zwolnił klawisza wpisanego przez program Quillon</translation>
    </message>
    <message>
        <source>The focused program may run with higher rights than Quillon (error %1). Quillon tries again before the next key; readings wait in Quillon&apos;s data log meanwhile.</source>
        <translation>Program, który ma fokus, może działać z wyższymi uprawnieniami niż Quillon (błąd %1). Quillon próbuje ponownie przed następnym klawiszem; do tego czasu odczyty czekają w dzienniku danych programu Quillon.</translation>
    </message>
    <message>
        <source>Windows refused a key</source>
        <translation>Windows odrzucił klawisz</translation>
    </message>
    <message>
        <source>The focused program may run with higher rights than Quillon (error %1). What was not typed is in Quillon&apos;s data log.</source>
        <translation>Program, który ma fokus, może działać z wyższymi uprawnieniami niż Quillon (błąd %1). To, czego nie wpisano, jest w dzienniku danych programu Quillon.</translation>
    </message>
    <message>
        <source>no desktop portal on the session bus</source>
        <translation>brak portalu pulpitu na magistrali sesji</translation>
    </message>
    <message>
        <source>the remote desktop portal did not answer</source>
        <translation>portal zdalnego pulpitu nie odpowiedział</translation>
    </message>
    <message>
        <source>the remote desktop portal no longer takes keys</source>
        <translation>portal zdalnego pulpitu nie przyjmuje już klawiszy</translation>
    </message>
    <message>
        <source>the remote desktop portal does not take keys</source>
        <translation>portal zdalnego pulpitu nie przyjmuje klawiszy</translation>
    </message>
    <message>
        <source>the remote desktop session was ended</source>
        <translation>sesja zdalnego pulpitu została zakończona</translation>
    </message>
    <message>
        <source>the user declined the remote desktop request</source>
        <translation>użytkownik odrzucił prośbę o zdalny pulpit</translation>
    </message>
    <message>
        <source>the remote desktop portal failed</source>
        <translation>portal zdalnego pulpitu zgłosił błąd</translation>
    </message>
    <message>
        <source>the remote desktop portal refused %1: %2</source>
        <translation>portal zdalnego pulpitu odrzucił %1: %2</translation>
    </message>
    <message>
        <source>no Wayland display can be reached</source>
        <translation>brak dostępnego ekranu Wayland</translation>
    </message>
    <message>
        <source>the compositor does not answer</source>
        <translation>kompozytor nie odpowiada</translation>
    </message>
    <message>
        <source>the compositor offers no virtual keyboard (zwp_virtual_keyboard_manager_v1)</source>
        <translation>kompozytor nie udostępnia klawiatury wirtualnej (zwp_virtual_keyboard_manager_v1)</translation>
    </message>
    <message>
        <source>the compositor offers no seat</source>
        <translation>kompozytor nie udostępnia stanowiska (wl_seat)</translation>
    </message>
    <message>
        <source>the virtual keyboard&apos;s keymap does not compile</source>
        <translation>nie można skompilować mapy klawiatury wirtualnej</translation>
    </message>
    <message>
        <source>the compositor refused a virtual keyboard</source>
        <translation>kompozytor odrzucił klawiaturę wirtualną</translation>
    </message>
    <message>
        <source>the compositor did not take the virtual keyboard&apos;s keymap</source>
        <translation>kompozytor nie przyjął mapy klawiatury wirtualnej</translation>
    </message>
    <message>
        <source>the compositor does not take the keys</source>
        <translation>kompozytor nie przyjmuje klawiszy</translation>
    </message>
    <message>
        <source>the compositor&apos;s messages cannot be read</source>
        <translation>nie można odczytać komunikatów kompozytora</translation>
    </message>
    <message>
        <source>the connection to the Wayland compositor is lost</source>
        <translation>utracono połączenie z kompozytorem Wayland</translation>
    </message>
    <message>
        <source>no X display (DISPLAY is not set)</source>
        <translation>brak ekranu X (zmienna DISPLAY nie jest ustawiona)</translation>
    </message>
    <message>
        <source>the X display cannot be opened</source>
        <translation>nie można otworzyć ekranu X</translation>
    </message>
    <message>
        <source>the X server offers no XTEST extension</source>
        <translation>serwer X nie udostępnia rozszerzenia XTEST</translation>
    </message>
</context>
<context>
    <name>QtSerialLink</name>
    <message>
        <source>This user may not use the port. Join the group dialout with the command
sudo usermod -aG dialout $USER
then log out and in again.</source>
        <translation>Ten użytkownik nie ma uprawnień do portu. Dołącz do grupy dialout poleceniem
sudo usermod -aG dialout $USER
a potem wyloguj się i zaloguj ponownie.</translation>
    </message>
    <message>
        <source>Another program holds the port, or this user may not use it (on most systems that takes membership of the group dialout).</source>
        <translation>Port jest zajęty przez inny program albo ten użytkownik nie ma do niego uprawnień (w większości systemów wymaga to członkostwa w grupie dialout).</translation>
    </message>
    <message>
        <source>The port is gone: the system does not have it (any more).</source>
        <translation>Port zniknął: nie ma go (już) w systemie.</translation>
    </message>
</context>
<context>
    <name>ReadingRouter</name>
    <message>
        <source>The device sent %1 KiB without a line end</source>
        <translation>Urządzenie wysłało %1 KiB bez znaku końca wiersza</translation>
    </message>
    <message>
        <source>Bytes from the device were lost on the line</source>
        <translation>Bajty z urządzenia zostały utracone na linii</translation>
    </message>
    <message>
        <source>The serial port reported overruns, framing or parity errors. Readings with a gap are not typed but shown in Quillon&apos;s data log. A device that sends more than about 25 characters a second outruns typing: set it to send on request or on a stable value, or use the data log.</source>
        <translation>Port szeregowy zgłosił błędy przepełnienia, ramki lub parzystości. Odczyty z luką nie są wpisywane, lecz pokazywane w dzienniku danych programu Quillon. Urządzenie, które wysyła więcej niż ok. 25 znaków na sekundę, wyprzedza wpisywanie: ustaw je tak, by wysyłało dane na żądanie lub przy ustalonej wartości, albo użyj dziennika danych.</translation>
    </message>
    <message>
        <source>%1 (only &quot;%2&quot; of it was typed)</source>
        <translation>%1 (wpisano z tego tylko „%2”)</translation>
    </message>
    <message>
        <source>Not typed (bytes were lost on the line): %1</source>
        <translation>Nie wpisano (bajty zostały utracone na linii): %1</translation>
    </message>
    <message>
        <source>Not typed: %1</source>
        <translation>Nie wpisano: %1</translation>
    </message>
    <message>
        <source>Check its line-end setting. What it sent is in Quillon&apos;s data log.</source>
        <translation>Sprawdź ustawienie końca wiersza w urządzeniu. To, co wysłało, jest w dzienniku danych programu Quillon.</translation>
    </message>
    <message>
        <source>[bytes were lost on the line]</source>
        <translation>[bajty zostały utracone na linii]</translation>
    </message>
</context>
<context>
    <name>Widget</name>
    <message>
        <source>What the instrument sent while To Keyboard is off</source>
        <translation>To, co przyrząd wysłał, gdy pole „Klawiatura” było odznaczone</translation>
    </message>
    <message>
        <source>Command line</source>
        <translation>Pole komendy</translation>
    </message>
    <message>
        <source>Sent to the instrument with Enter or Send command</source>
        <translation>Komenda wysyłana do przyrządu klawiszem Enter lub przyciskiem „Wyślij komendę”</translation>
    </message>
    <message>
        <source>Data Log</source>
        <translation>Dziennik</translation>
    </message>
    <message>
        <source>About Quillon</source>
        <translation>O programie Quillon</translation>
    </message>
    <message>
        <source>?</source>
        <translation>?</translation>
    </message>
    <message>
        <source>About Qt</source>
        <translation>O Qt</translation>
    </message>
    <message>
        <source>Qt</source>
        <translation>Qt</translation>
    </message>
    <message>
        <source>Connect</source>
        <translation>Połącz</translation>
    </message>
    <message>
        <source>COM</source>
        <translation>COM</translation>
    </message>
    <message>
        <source>The serial port the instrument is on</source>
        <translation>Port szeregowy, do którego podłączono przyrząd</translation>
    </message>
    <message>
        <source>Baud Rate</source>
        <translation>Prędkość (bod)</translation>
    </message>
    <message>
        <source>Bit Parity</source>
        <translation>Bity/parzyst.</translation>
    </message>
    <message>
        <source>Data bits and parity</source>
        <translation>Bity danych i parzystość</translation>
    </message>
    <message>
        <source>8/NO</source>
        <translation>8/BRAK</translation>
    </message>
    <message>
        <source>7/NO</source>
        <translation>7/BRAK</translation>
    </message>
    <message>
        <source>7/MARK</source>
        <translation>7/ZNACZNIK</translation>
    </message>
    <message>
        <source>7/SPACE</source>
        <translation>7/ODSTĘP</translation>
    </message>
    <message>
        <source>7/EVEN</source>
        <translation>7/PARZYSTA</translation>
    </message>
    <message>
        <source>7/ODD</source>
        <translation>7/NIEPARZ.</translation>
    </message>
    <message>
        <source>Stop Bits</source>
        <translation>Bity stopu</translation>
    </message>
    <message>
        <source>HD.Shake</source>
        <translation>Handshake</translation>
    </message>
    <message>
        <source>Handshake: the flow control</source>
        <translation>Handshake: sterowanie przepływem</translation>
    </message>
    <message>
        <source>XON/XOFF</source>
        <translation>XON/XOFF</translation>
    </message>
    <message>
        <source>OFF</source>
        <translation>BRAK</translation>
    </message>
    <message>
        <source>RTS/CTS</source>
        <translation>RTS/CTS</translation>
    </message>
    <message>
        <source>Clear screen</source>
        <translation>Wyczyść ekran</translation>
    </message>
    <message>
        <source>Types each reading into the application that has the focus; when off, readings go to the data log</source>
        <translation>Wpisuje każdy odczyt do aplikacji, która ma fokus; po odznaczeniu odczyty trafiają do dziennika danych</translation>
    </message>
    <message>
        <source>To Keyboard</source>
        <translation>Klawiatura</translation>
    </message>
    <message>
        <source>Export mode</source>
        <translation>Tryb wyjścia</translation>
    </message>
    <message>
        <source>Fennick types the instrument&apos;s codes for Enter and Tab as those keys</source>
        <translation>Fennick wpisuje kody przyrządu dla klawiszy Enter i Tab jako te klawisze</translation>
    </message>
    <message>
        <source>Standard</source>
        <translation>Standardowy</translation>
    </message>
    <message>
        <source>Send command</source>
        <translation>Wyślij komendę</translation>
    </message>
    <message>
        <source>About</source>
        <translation>O programie</translation>
    </message>
    <message>
        <source>V1.11 
Developed by Brenvik</source>
        <translation>V1.11 
Opracowanie: Brenvik</translation>
    </message>
    <message>
        <source>Open COM port Failed</source>
        <translation>Nie udało się otworzyć portu COM</translation>
    </message>
    <message>
        <source>Open COM port Failed, check whether it&apos;s occupied</source>
        <translation>Nie udało się otworzyć portu COM. Sprawdź, czy nie jest zajęty.</translation>
    </message>
    <message>
        <source>Could not open %1</source>
        <translation>Nie można otworzyć portu %1</translation>
    </message>
    <message>
        <source>%1 did not take a setting</source>
        <translation>Port %1 nie przyjął ustawienia</translation>
    </message>
    <message>
        <source>Its driver refused %1 and keeps its own instead; readings may come out garbled if the instrument does not use the same.</source>
        <translation>Sterownik odrzucił %1 i używa zamiast tego własnych ustawień; odczyty mogą być zniekształcone, jeśli przyrząd nie używa tych samych.</translation>
    </message>
    <message>
        <source>USB %1:%2</source>
        <translation>USB %1:%2</translation>
    </message>
    <message>
        <source>Serial number %1</source>
        <translation>Numer seryjny %1</translation>
    </message>
</context>
<context>
    <name>Win32CommPort</name>
    <message>
        <source>every setting (%1)</source>
        <translation>wszystkie ustawienia (%1)</translation>
    </message>
    <message>
        <source>the baud rate %1</source>
        <translation>prędkość transmisji %1</translation>
    </message>
    <message>
        <source>%1 data bits</source>
        <translation>liczbę bitów danych %1</translation>
    </message>
    <message>
        <source>the flow control</source>
        <translation>sterowanie przepływem</translation>
    </message>
    <message>
        <source>the parity</source>
        <translation>parzystość</translation>
    </message>
    <message>
        <source>the stop bits</source>
        <translation>bity stopu</translation>
    </message>
    <message>
        <source>error %1</source>
        <translation>błąd %1</translation>
    </message>
    <message>
        <source>%1 (error %2)</source>
        <translation>%1 (błąd %2)</translation>
    </message>
</context>
</TS>
