<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="fr_FR">
<context>
    <name>CommLink</name>
    <message>
        <source>queues of %1 bytes</source>
        <translation>des tampons de %1 octets</translation>
    </message>
    <message>
        <source>Its driver refused the read timeouts: %1</source>
        <translation>Le pilote a refusé les délais de lecture&#xa0;: %1</translation>
    </message>
    <message>
        <source>Another program holds the port.</source>
        <translation>Un autre programme occupe le port.</translation>
    </message>
    <message>
        <source>The port is gone: the system does not have it (any more).</source>
        <translation>Le port a disparu&#xa0;: le système ne le connaît pas (ou plus).</translation>
    </message>
    <message>
        <source>Its driver refused the device (&quot;device not functioning&quot;, Code 10 in Device Manager), as drivers do to many clone chips: %1</source>
        <translation>Le pilote a refusé le périphérique («&#xa0;le périphérique ne fonctionne pas&#xa0;», code 10 dans le Gestionnaire de périphériques), comme le font les pilotes avec de nombreuses puces clones&#xa0;: %1</translation>
    </message>
</context>
<context>
    <name>CommandLine</name>
    <message>
        <source>Quillon types what a serial instrument (a caliper, a scale, a barcode scanner)
sends into the application that has the keyboard focus, or shows it in its own
data log. Qt&apos;s own options, such as -platform and -style, are accepted too.</source>
        <translation>Quillon saisit ce qu&apos;envoie un instrument série (pied à coulisse, balance,
lecteur de codes-barres) dans l&apos;application qui a le focus clavier, ou l&apos;affiche
dans son propre journal. Les options propres à Qt, comme -platform et -style,
sont aussi acceptées.</translation>
    </message>
    <message>
        <source>Quillon %1</source>
        <translation>Quillon %1</translation>
    </message>
    <message>
        <source>Shows this help and exits.</source>
        <translation>Afficher cette aide et quitter.</translation>
    </message>
</context>
<context>
    <name>Connection</name>
    <message>
        <source>The instrument that was lost is not back yet.</source>
        <translation>L&apos;instrument perdu n&apos;est pas encore de retour.</translation>
    </message>
</context>
<context>
    <name>Notices</name>
    <message>
        <source>Quillon: %1</source>
        <translation>Quillon&#xa0;: %1</translation>
    </message>
    <message>
        <source>Quillon&apos;s own window has the keyboard focus</source>
        <translation>La fenêtre de Quillon elle-même a le focus clavier</translation>
    </message>
    <message>
        <source>Click into the application that should receive the readings. What was not typed is in Quillon&apos;s data log.</source>
        <translation>Cliquez dans l&apos;application qui doit recevoir les mesures. Ce qui n&apos;a pas été saisi se trouve dans le journal de Quillon.</translation>
    </message>
    <message>
        <source>Quillon did not type a reading</source>
        <translation>Quillon n&apos;a pas saisi une mesure</translation>
    </message>
    <message>
        <source>A modifier key (Shift, Ctrl, Alt, AltGr or the Windows key) stayed held down, which would have turned the reading into shortcuts. What was not typed is in Quillon&apos;s data log.</source>
        <translation>Une touche de modification (Maj, Ctrl, Alt, AltGr ou la touche Windows) est restée enfoncée, ce qui aurait transformé la mesure en raccourcis. Ce qui n&apos;a pas été saisi se trouve dans le journal de Quillon.</translation>
    </message>
    <message>
        <source>Quillon cannot type into other applications</source>
        <translation>Quillon ne peut pas saisir dans d&apos;autres applications</translation>
    </message>
    <message>
        <source>%1. Received data is not typed but shown in the data log.</source>
        <translation>%1. Les données reçues ne sont pas saisies mais affichées dans le journal.</translation>
    </message>
    <message>
        <source>Quillon cannot type into Wayland applications</source>
        <translation>Quillon ne peut pas saisir dans les applications Wayland</translation>
    </message>
    <message>
        <source>%1. Only X11 applications receive typed data; the data log works as usual.</source>
        <translation>%1. Seules les applications X11 reçoivent les données saisies&#xa0;; le journal fonctionne normalement.</translation>
    </message>
    <message>
        <source>Quillon did not type a reading that came while the desktop asked for permission</source>
        <translation>Quillon n&apos;a pas saisi une mesure arrivée pendant que le bureau demandait l&apos;autorisation</translation>
    </message>
    <message>
        <source>Where the keyboard focus is after the question is not known. The reading is in Quillon&apos;s data log.</source>
        <translation>On ne sait pas où se trouve le focus clavier après la question. La mesure se trouve dans le journal de Quillon.</translation>
    </message>
    <message>
        <source>Quillon cannot type for now</source>
        <translation>Quillon ne peut pas saisir pour le moment</translation>
    </message>
    <message>
        <source>%1. Readings that cannot be typed are kept in Quillon&apos;s data log; Quillon tries again with each new reading.</source>
        <translation>%1. Les mesures qui ne peuvent pas être saisies sont conservées dans le journal de Quillon&#xa0;; Quillon réessaie à chaque nouvelle mesure.</translation>
    </message>
    <message>
        <source>The keyboard map cannot be read; keys are typed by the last one read</source>
        <translation>Le mappage du clavier ne peut pas être lu&#xa0;; les touches sont saisies d&apos;après le dernier lu</translation>
    </message>
    <message>
        <source>The X server refused a key for the character %1</source>
        <translation>Le serveur X a refusé une touche pour le caractère %1</translation>
    </message>
    <message>
        <source>What was not typed is in Quillon&apos;s data log.</source>
        <translation>Ce qui n&apos;a pas été saisi se trouve dans le journal de Quillon.</translation>
    </message>
    <message>
        <source>The keyboard map has no spare key to carry characters the layout lacks</source>
        <translation>Le mappage du clavier n&apos;a aucune touche libre pour les caractères absents de la disposition</translation>
    </message>
    <message>
        <source>The connection to the X server is lost</source>
        <translation>La connexion au serveur X est perdue</translation>
    </message>
    <message>
        <source>Received data is no longer typed but shown in the data log.</source>
        <translation>Les données reçues ne sont plus saisies mais affichées dans le journal.</translation>
    </message>
    <message>
        <source>Windows refused to let go of a key Quillon typed</source>
        <translation>Windows a refusé de relâcher une touche saisie par Quillon</translation>
    </message>
    <message>
        <source>The focused program may run with higher rights than Quillon (error %1). Quillon tries again before the next key; readings wait in Quillon&apos;s data log meanwhile.</source>
        <translation>Le programme qui a le focus s&apos;exécute peut-être avec des droits plus élevés que Quillon (erreur %1). Quillon réessaie avant la touche suivante&#xa0;; en attendant, les mesures restent dans le journal de Quillon.</translation>
    </message>
    <message>
        <source>Windows refused a key</source>
        <translation>Windows a refusé une touche</translation>
    </message>
    <message>
        <source>The focused program may run with higher rights than Quillon (error %1). What was not typed is in Quillon&apos;s data log.</source>
        <translation>Le programme qui a le focus s&apos;exécute peut-être avec des droits plus élevés que Quillon (erreur %1). Ce qui n&apos;a pas été saisi se trouve dans le journal de Quillon.</translation>
    </message>
    <message>
        <source>no desktop portal on the session bus</source>
        <translation>aucun portail de bureau sur le bus de session</translation>
    </message>
    <message>
        <source>the remote desktop portal did not answer</source>
        <translation>le portail de bureau à distance n&apos;a pas répondu</translation>
    </message>
    <message>
        <source>the remote desktop portal no longer takes keys</source>
        <translation>le portail de bureau à distance n&apos;accepte plus les touches</translation>
    </message>
    <message>
        <source>the remote desktop portal does not take keys</source>
        <translation>le portail de bureau à distance n&apos;accepte pas les touches</translation>
    </message>
    <message>
        <source>the remote desktop session was ended</source>
        <translation>la session de bureau à distance a pris fin</translation>
    </message>
    <message>
        <source>the user declined the remote desktop request</source>
        <translation>l&apos;utilisateur a refusé la demande de bureau à distance</translation>
    </message>
    <message>
        <source>the remote desktop portal failed</source>
        <translation>le portail de bureau à distance a échoué</translation>
    </message>
    <message>
        <source>the remote desktop portal refused %1: %2</source>
        <translation>le portail de bureau à distance a refusé %1 : %2</translation>
    </message>
    <message>
        <source>no Wayland display can be reached</source>
        <translation>aucun affichage Wayland n&apos;est accessible</translation>
    </message>
    <message>
        <source>the compositor does not answer</source>
        <translation>le compositeur ne répond pas</translation>
    </message>
    <message>
        <source>the compositor offers no virtual keyboard (zwp_virtual_keyboard_manager_v1)</source>
        <translation>le compositeur ne propose aucun clavier virtuel (zwp_virtual_keyboard_manager_v1)</translation>
    </message>
    <message>
        <source>the compositor offers no seat</source>
        <translation>le compositeur ne propose aucun siège (wl_seat)</translation>
    </message>
    <message>
        <source>the virtual keyboard&apos;s keymap does not compile</source>
        <translation>le mappage du clavier virtuel ne peut pas être compilé</translation>
    </message>
    <message>
        <source>the compositor refused a virtual keyboard</source>
        <translation>le compositeur a refusé un clavier virtuel</translation>
    </message>
    <message>
        <source>the compositor did not take the virtual keyboard&apos;s keymap</source>
        <translation>le compositeur n&apos;a pas accepté le mappage du clavier virtuel</translation>
    </message>
    <message>
        <source>the compositor does not take the keys</source>
        <translation>le compositeur n&apos;accepte pas les touches</translation>
    </message>
    <message>
        <source>the compositor&apos;s messages cannot be read</source>
        <translation>les messages du compositeur ne peuvent pas être lus</translation>
    </message>
    <message>
        <source>the connection to the Wayland compositor is lost</source>
        <translation>la connexion au compositeur Wayland est perdue</translation>
    </message>
    <message>
        <source>no X display (DISPLAY is not set)</source>
        <translation>aucun affichage X (DISPLAY n&apos;est pas défini)</translation>
    </message>
    <message>
        <source>the X display cannot be opened</source>
        <translation>l&apos;affichage X ne peut pas être ouvert</translation>
    </message>
    <message>
        <source>the X server offers no XTEST extension</source>
        <translation>le serveur X ne propose pas l&apos;extension XTEST</translation>
    </message>
</context>
<context>
    <name>QtSerialLink</name>
    <message>
        <source>This user may not use the port. Join the group dialout with the command
sudo usermod -aG dialout $USER
then log out and in again.</source>
        <translation>Cet utilisateur n&apos;a pas le droit d&apos;utiliser le port. Rejoignez le groupe dialout avec la commande
sudo usermod -aG dialout $USER
puis déconnectez-vous et reconnectez-vous.</translation>
    </message>
    <message>
        <source>Another program holds the port, or this user may not use it (on most systems that takes membership of the group dialout).</source>
        <translation>Un autre programme occupe le port, ou cet utilisateur n&apos;a pas le droit de l&apos;utiliser (sur la plupart des systèmes, il faut pour cela être membre du groupe dialout).</translation>
    </message>
    <message>
        <source>The port is gone: the system does not have it (any more).</source>
        <translation>Le port a disparu&#xa0;: le système ne le connaît pas (ou plus).</translation>
    </message>
</context>
<context>
    <name>ReadingRouter</name>
    <message>
        <source>The device sent %1 KiB without a line end</source>
        <translation>L&apos;appareil a envoyé %1 Kio sans fin de ligne</translation>
    </message>
    <message>
        <source>Bytes from the device were lost on the line</source>
        <translation>Des octets de l&apos;appareil ont été perdus sur la ligne</translation>
    </message>
    <message>
        <source>The serial port reported overruns, framing or parity errors. Readings with a gap are not typed but shown in Quillon&apos;s data log. A device that sends more than about 25 characters a second outruns typing: set it to send on request or on a stable value, or use the data log.</source>
        <translation>Le port série a signalé des débordements, des erreurs de trame ou de parité. Les mesures incomplètes ne sont pas saisies mais affichées dans le journal de Quillon. Un appareil qui envoie plus d&apos;environ 25 caractères par seconde va plus vite que la saisie&#xa0;: réglez-le pour qu&apos;il envoie sur demande ou sur valeur stable, ou utilisez le journal.</translation>
    </message>
    <message>
        <source>%1 (only &quot;%2&quot; of it was typed)</source>
        <translation>%1 (seul «&#xa0;%2&#xa0;» en a été saisi)</translation>
    </message>
    <message>
        <source>Not typed (bytes were lost on the line): %1</source>
        <translation>Non saisi (octets perdus sur la ligne)&#xa0;: %1</translation>
    </message>
    <message>
        <source>Not typed: %1</source>
        <translation>Non saisi&#xa0;: %1</translation>
    </message>
    <message>
        <source>Check its line-end setting. What it sent is in Quillon&apos;s data log.</source>
        <translation>Vérifiez son réglage de fin de ligne. Ce qu&apos;il a envoyé se trouve dans le journal de Quillon.</translation>
    </message>
    <message>
        <source>[bytes were lost on the line]</source>
        <translation>[octets perdus sur la ligne]</translation>
    </message>
</context>
<context>
    <name>Widget</name>
    <message>
        <source>What the instrument sent while To Keyboard is off</source>
        <translation>Ce que l&apos;instrument a envoyé pendant que «&#xa0;Vers clavier&#xa0;» est désactivé</translation>
    </message>
    <message>
        <source>Command line</source>
        <translation>Ligne de commande</translation>
    </message>
    <message>
        <source>Sent to the instrument with Enter or Send command</source>
        <translation>Envoyée à l&apos;instrument avec Entrée ou «&#xa0;Envoyer&#xa0;»</translation>
    </message>
    <message>
        <source>Data Log</source>
        <translation>Journal</translation>
    </message>
    <message>
        <source>About Quillon</source>
        <translation>À propos de Quillon</translation>
    </message>
    <message>
        <source>?</source>
        <translation>?</translation>
    </message>
    <message>
        <source>About Qt</source>
        <translation>À propos de Qt</translation>
    </message>
    <message>
        <source>Qt</source>
        <translation>Qt</translation>
    </message>
    <message>
        <source>Connect</source>
        <translation>Connecté</translation>
    </message>
    <message>
        <source>COM</source>
        <translation>COM</translation>
    </message>
    <message>
        <source>The serial port the instrument is on</source>
        <translation>Le port série auquel l&apos;instrument est branché</translation>
    </message>
    <message>
        <source>Baud Rate</source>
        <translation>Débit (bauds)</translation>
    </message>
    <message>
        <source>Bit Parity</source>
        <translation>Bits/Parité</translation>
    </message>
    <message>
        <source>Data bits and parity</source>
        <translation>Bits de données et parité</translation>
    </message>
    <message>
        <source>8/NO</source>
        <translation>8/AUCUNE</translation>
    </message>
    <message>
        <source>7/NO</source>
        <translation>7/AUCUNE</translation>
    </message>
    <message>
        <source>7/MARK</source>
        <translation>7/MARQUE</translation>
    </message>
    <message>
        <source>7/SPACE</source>
        <translation>7/ESPACE</translation>
    </message>
    <message>
        <source>7/EVEN</source>
        <translation>7/PAIRE</translation>
    </message>
    <message>
        <source>7/ODD</source>
        <translation>7/IMPAIRE</translation>
    </message>
    <message>
        <source>Stop Bits</source>
        <translation>Bits d&apos;arrêt</translation>
    </message>
    <message>
        <source>HD.Shake</source>
        <translation>Ctrl. de flux</translation>
    </message>
    <message>
        <source>Handshake: the flow control</source>
        <translation>Contrôle de flux (handshake)</translation>
    </message>
    <message>
        <source>XON/XOFF</source>
        <translation>XON/XOFF</translation>
    </message>
    <message>
        <source>OFF</source>
        <translation>AUCUN</translation>
    </message>
    <message>
        <source>RTS/CTS</source>
        <translation>RTS/CTS</translation>
    </message>
    <message>
        <source>Clear screen</source>
        <translation>Effacer écran</translation>
    </message>
    <message>
        <source>Types each reading into the application that has the focus; when off, readings go to the data log</source>
        <translation>Saisit chaque mesure dans l&apos;application qui a le focus&#xa0;; désactivé, les mesures vont dans le journal</translation>
    </message>
    <message>
        <source>To Keyboard</source>
        <translation>Vers clavier</translation>
    </message>
    <message>
        <source>Export mode</source>
        <translation>Mode d&apos;export</translation>
    </message>
    <message>
        <source>Fennick types the instrument&apos;s codes for Enter and Tab as those keys</source>
        <translation>Fennick saisit les codes de l&apos;instrument pour Entrée et Tab comme ces touches</translation>
    </message>
    <message>
        <source>Standard</source>
        <translation>Standard</translation>
    </message>
    <message>
        <source>Send command</source>
        <translation>Envoyer</translation>
    </message>
    <message>
        <source>About</source>
        <translation>À propos</translation>
    </message>
    <message>
        <source>V1.11 
Developed by Brenvik</source>
        <translation>V1.11 
Développé par Brenvik</translation>
    </message>
    <message>
        <source>Open COM port Failed</source>
        <translation>Échec de l&apos;ouverture du port COM</translation>
    </message>
    <message>
        <source>Open COM port Failed, check whether it&apos;s occupied</source>
        <translation>Échec de l&apos;ouverture du port COM, vérifiez s&apos;il est occupé</translation>
    </message>
    <message>
        <source>Could not open %1</source>
        <translation>Impossible d&apos;ouvrir %1</translation>
    </message>
    <message>
        <source>%1 did not take a setting</source>
        <translation>%1 n&apos;a pas accepté un paramètre</translation>
    </message>
    <message>
        <source>Its driver refused %1 and keeps its own instead; readings may come out garbled if the instrument does not use the same.</source>
        <translation>Le pilote a refusé %1 et conserve ses propres valeurs&#xa0;; les mesures risquent d&apos;arriver brouillées si l&apos;instrument n&apos;utilise pas les mêmes.</translation>
    </message>
    <message>
        <source>USB %1:%2</source>
        <translation>USB %1:%2</translation>
    </message>
    <message>
        <source>Serial number %1</source>
        <translation>Numéro de série %1</translation>
    </message>
</context>
<context>
    <name>Win32CommPort</name>
    <message>
        <source>every setting (%1)</source>
        <translation>tous les paramètres (%1)</translation>
    </message>
    <message>
        <source>the baud rate %1</source>
        <translation>le débit de %1 bauds</translation>
    </message>
    <message>
        <source>%1 data bits</source>
        <translation>%1 bits de données</translation>
    </message>
    <message>
        <source>the flow control</source>
        <translation>le contrôle de flux</translation>
    </message>
    <message>
        <source>the parity</source>
        <translation>la parité</translation>
    </message>
    <message>
        <source>the stop bits</source>
        <translation>les bits d&apos;arrêt</translation>
    </message>
    <message>
        <source>error %1</source>
        <translation>erreur %1</translation>
    </message>
    <message>
        <source>%1 (error %2)</source>
        <translation>%1 (erreur %2)</translation>
    </message>
</context>
</TS>
