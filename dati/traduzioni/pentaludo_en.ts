<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en_GB" sourcelanguage="it_IT">
<context>
    <name>FinestraAnalisi</name>
    <message>
        <source>Analisi della partita</source>
        <translation>Game review</translation>
    </message>
    <message>
        <source>Decisione</source>
        <translation>Decision</translation>
    </message>
    <message>
        <source>Giocata</source>
        <translation>Played</translation>
    </message>
    <message>
        <source>Esperto</source>
        <translation>Expert</translation>
    </message>
    <message>
        <source>Costo</source>
        <translation>Cost</translation>
    </message>
    <message>
        <source>Analisi in corso…</source>
        <translation>Reviewing…</translation>
    </message>
    <message>
        <source>Analisi non riuscita: %1</source>
        <translation>Review failed: %1</translation>
    </message>
    <message>
        <source>Licitazione</source>
        <translation>Bidding</translation>
    </message>
    <message>
        <source>Briscola</source>
        <translation>Trump</translation>
    </message>
    <message>
        <source>Presa %1</source>
        <translation>Trick %1</translation>
    </message>
    <message>
        <source>Punti attesi persi nella partita: %1</source>
        <translation>Expected points lost in the game: %1</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <translation>%1: %2</translation>
    </message>
    <message>
        <source>Licitazioni: %1</source>
        <translation>Bids: %1</translation>
    </message>
    <message>
        <source>nessuna</source>
        <translation>none</translation>
    </message>
    <message>
        <source>Briscola: %1</source>
        <translation>Trump: %1</translation>
    </message>
    <message>
        <source>Mano: %1</source>
        <translation>Hand: %1</translation>
    </message>
    <message>
        <source>%1 (giocatore %2)</source>
        <translation>%1 (player %2)</translation>
    </message>
    <message>
        <source>In tavola: %1</source>
        <translation>On the table: %1</translation>
    </message>
    <message>
        <source>nessuna carta</source>
        <translation>no cards</translation>
    </message>
    <message>
        <source>Prese giocate: %1</source>
        <translation>Tricks played: %1</translation>
    </message>
    <message>
        <source>%1: punteggio atteso %2, punti della squadra %3</source>
        <translation>%1: expected score %2, side points %3</translation>
    </message>
    <message>
        <source>Scelte pesate dall&apos;esperto:</source>
        <translation>Choices weighed by the expert:</translation>
    </message>
</context>
<context>
    <name>FinestraGiocaInRete</name>
    <message>
        <source>Prima mano al buio</source>
        <translation>First trick face down</translation>
    </message>
    <message>
        <source>Ospita</source>
        <translation>Host</translation>
    </message>
    <message>
        <source>Unisciti</source>
        <translation>Join</translation>
    </message>
    <message>
        <source>Rientra</source>
        <translation>Rejoin</translation>
    </message>
    <message>
        <source>Gioca in rete</source>
        <translation>Play online</translation>
    </message>
    <message>
        <source>Ospita un tavolo</source>
        <translation>Host a table</translation>
    </message>
    <message>
        <source>Nome del tavolo</source>
        <translation>Table name</translation>
    </message>
    <message>
        <source>Standard</source>
        <translation>Standard</translation>
    </message>
    <message>
        <source>Tattico</source>
        <translation>Tactical</translation>
    </message>
    <message>
        <source>Esperto</source>
        <translation>Expert</translation>
    </message>
    <message>
        <source>Computer ai posti liberi</source>
        <translation>Computer in the empty seats</translation>
    </message>
    <message>
        <source> s</source>
        <translation> s</translation>
    </message>
    <message>
        <source>senza limite</source>
        <translation>no limit</translation>
    </message>
    <message>
        <source>Tempo per decidere</source>
        <translation>Time to decide</translation>
    </message>
    <message>
        <source>Unisciti a un tavolo</source>
        <translation>Join a table</translation>
    </message>
    <message>
        <source>indirizzo[:porta], o il collegamento intero</source>
        <translation>address[:port], or the whole link</translation>
    </message>
    <message>
        <source>non serve col collegamento</source>
        <translation>not needed with the link</translation>
    </message>
    <message>
        <source>Server</source>
        <translation>Server</translation>
    </message>
    <message>
        <source>Codice del tavolo</source>
        <translation>Table code</translation>
    </message>
    <message>
        <source>Rientra al tavolo</source>
        <translation>Rejoin the table</translation>
    </message>
    <message>
        <source>Tavolo %1 su %2, posto %3</source>
        <translation>Table %1 on %2, seat %3</translation>
    </message>
    <message>
        <source>Nessun tavolo da riprendere</source>
        <translation>No table to rejoin</translation>
    </message>
    <message>
        <source>Certificato TLS</source>
        <translation>TLS certificate</translation>
    </message>
    <message>
        <source>Scegli il certificato TLS</source>
        <translation>Choose the TLS certificate</translation>
    </message>
    <message>
        <source>Chiave privata TLS</source>
        <translation>TLS private key</translation>
    </message>
    <message>
        <source>Scegli la chiave privata TLS</source>
        <translation>Choose the TLS private key</translation>
    </message>
    <message>
        <source>Sfoglia…</source>
        <translation>Browse…</translation>
    </message>
    <message>
        <source>Certificati e chiavi PEM (*.pem *.crt *.key);;Tutti i file (*)</source>
        <translation>PEM certificates and keys (*.pem *.crt *.key);;All files (*)</translation>
    </message>
    <message>
        <source>facoltativo</source>
        <translation>optional</translation>
    </message>
    <message>
        <source>Il certificato (o la catena) in un file PEM</source>
        <translation>The certificate (or chain) in a PEM file</translation>
    </message>
    <message>
        <source>facoltativa</source>
        <translation>optional</translation>
    </message>
    <message>
        <source>La chiave privata del certificato, in un file PEM senza password</source>
        <translation>The certificate's private key, in a PEM file without a password</translation>
    </message>
</context>
<context>
    <name>LobbyTavolo</name>
    <message>
        <source>Comincia</source>
        <translation>Start</translation>
    </message>
    <message>
        <source>Copia il collegamento</source>
        <translation>Copy the link</translation>
    </message>
    <message>
        <source>Tavolo in rete</source>
        <translation>Online table</translation>
    </message>
    <message>
        <source>Indirizzi di questa macchina: %1</source>
        <translation>This machine&apos;s addresses: %1</translation>
    </message>
    <message>
        <source>Posto %1</source>
        <translation>Seat %1</translation>
    </message>
    <message>
        <source>Siedi qui</source>
        <translation>Sit here</translation>
    </message>
    <message>
        <source>Scrivi agli altri al tavolo</source>
        <translation>Write to the others at the table</translation>
    </message>
    <message>
        <source>Invia</source>
        <translation>Send</translation>
    </message>
    <message>
        <source>Esci dal tavolo</source>
        <translation>Leave the table</translation>
    </message>
    <message>
        <source>Collegamento al tavolo…</source>
        <translation>Connecting to the table…</translation>
    </message>
    <message>
        <source>Codice del tavolo: %1</source>
        <translation>Table code: %1</translation>
    </message>
    <message>
        <source>libero (computer)</source>
        <translation>free (computer)</translation>
    </message>
    <message>
        <source>%1 (assente)</source>
        <translation>%1 (away)</translation>
    </message>
    <message>
        <source>%1 (tu)</source>
        <translation>%1 (you)</translation>
    </message>
</context>
<context>
    <name>PanelLicitazione</name>
    <message>
        <source>Chiama il due al %1</source>
        <translation>Call the two for %1</translation>
    </message>
    <message>
        <source>PASSO</source>
        <translation>PASS</translation>
    </message>
    <message>
        <source> PASSO</source>
        <translation> PASS</translation>
    </message>
    <message>
        <source>Diminuisce i punti</source>
        <translation>Fewer points</translation>
    </message>
    <message>
        <source>Aumenta i punti</source>
        <translation>More points</translation>
    </message>
</context>
<context>
    <name>PanelPunti</name>
    <message>
        <source>Partita</source>
        <translation>Game</translation>
    </message>
    <message>
        <source>Chiamante</source>
        <translation>Caller</translation>
    </message>
    <message>
        <source>Socio</source>
        <translation>Partner</translation>
    </message>
    <message>
        <source>Chiamata</source>
        <translation>Bid</translation>
    </message>
    <message>
        <source>Situazione</source>
        <translation>Standings</translation>
    </message>
    <message>
        <source>Vinte</source>
        <translation>Won</translation>
    </message>
    <message>
        <source>Perse</source>
        <translation>Lost</translation>
    </message>
    <message>
        <source>Totale</source>
        <translation>Total</translation>
    </message>
    <message>
        <source>Avversario</source>
        <translation>Opponent</translation>
    </message>
    <message>
        <source>Percentuali</source>
        <translation>Percentages</translation>
    </message>
</context>
<context>
    <name>PannelloGiocatore</name>
    <message>
        <source>Il giocatore ha effettuato almeno una presa</source>
        <translation>This player has taken at least one trick</translation>
    </message>
</context>
<context>
    <name>QObject</name>
    <message>
        <source>Passo</source>
        <translation>Pass</translation>
    </message>
</context>
<context>
    <name>SerieSalvata</name>
    <message>
        <source>Briscola Chiamata</source>
        <translation>Briscola Chiamata</translation>
    </message>
    <message>
        <source>Partite a Briscola Chiamata (*.bri)</source>
        <translation>Briscola Chiamata games (*.bri)</translation>
    </message>
    <message>
        <source>la cartella non esiste</source>
        <translation>the folder does not exist</translation>
    </message>
    <message>
        <source>con questo nome c&apos;è una cartella</source>
        <translation>there is a folder with this name</translation>
    </message>
    <message>
        <source>permesso negato</source>
        <translation>permission denied</translation>
    </message>
    <message>
        <source>spazio esaurito sul disco</source>
        <translation>the disk is full</translation>
    </message>
    <message>
        <source>il disco è in sola lettura</source>
        <translation>the disk is read-only</translation>
    </message>
    <message>
        <source>errore di scrittura</source>
        <translation>write error</translation>
    </message>
    <message>
        <source>Salva Partita</source>
        <translation>Save Game</translation>
    </message>
    <message>
        <source>Impossibile salvare la partita in %1: %2.</source>
        <translation>Cannot save the game to %1: %2.</translation>
    </message>
    <message>
        <source>Carica Partita</source>
        <translation>Load Game</translation>
    </message>
    <message>
        <source>Impossibile aprire %1: il file non esiste.</source>
        <translation>Cannot open %1: the file does not exist.</translation>
    </message>
    <message>
        <source>Impossibile aprire %1: il file non si può leggere.</source>
        <translation>Cannot open %1: the file cannot be read.</translation>
    </message>
    <message>
        <source>%1 non è una partita salvata valida: la serie in corso non è stata cambiata.</source>
        <translation>%1 is not a valid saved game: the current series has not been changed.</translation>
    </message>
    <message>
        <source>Esporta partite</source>
        <translation>Export games</translation>
    </message>
    <message>
        <source>Partite annotate (*.txt)</source>
        <translation>Recorded games (*.txt)</translation>
    </message>
    <message>
        <source>Impossibile esportare le partite in %1: %2.</source>
        <translation>Cannot export the games to %1: %2.</translation>
    </message>
</context>
<context>
    <name>Suggeritore</name>
    <message>
        <source>Suggerimento</source>
        <translation>Hint</translation>
    </message>
    <message>
        <source>Punteggio atteso %1, punti della squadra %2</source>
        <translation>Expected score %1, side points %2</translation>
    </message>
    <message>
        <source> (suggerita)</source>
        <translation> (suggested)</translation>
    </message>
    <message>
        <source>Suggerimento: passo</source>
        <translation>Hint: pass</translation>
    </message>
    <message>
        <source>Suggerimento: %1 punti</source>
        <translation>Hint: %1 points</translation>
    </message>
    <message>
        <source>Suggerimento: chiama questa carta</source>
        <translation>Hint: call this card</translation>
    </message>
    <message>
        <source>Suggerimento: questo seme</source>
        <translation>Hint: this suit</translation>
    </message>
    <message>
        <source> (punteggio atteso %1)</source>
        <translation> (expected score %1)</translation>
    </message>
</context>
<context>
    <name>TavolaRemota</name>
    <message>
        <source>Computer tattico</source>
        <translation>Tactical computer</translation>
    </message>
    <message>
        <source>Computer esperto</source>
        <translation>Expert computer</translation>
    </message>
    <message>
        <source>Computer</source>
        <translation>Computer</translation>
    </message>
    <message>
        <source>• %1 (assente)</source>
        <translation>• %1 (away)</translation>
    </message>
    <message>
        <source>La prossima partita comincia quando tutti al tavolo hanno visto il risultato</source>
        <translation>The next game starts once everyone at the table has seen the result</translation>
    </message>
</context>
<context>
    <name>TestiGioco</name>
    <message>
        <source>Esperto</source>
        <translation>Expert</translation>
    </message>
    <message>
        <source>Probabilità</source>
        <translation>Probability</translation>
    </message>
    <message>
        <source>Gioca a Caso</source>
        <translation>Random Play</translation>
    </message>
    <message>
        <source>%1 di %2</source>
        <translation>%1 of %2</translation>
    </message>
    <message>
        <source>%1 al %2</source>
        <translation>%1 for %2</translation>
    </message>
    <message>
        <source>%1 partite per carta</source>
        <translation>%1 games per card</translation>
    </message>
    <message>
        <source>Migliore %1</source>
        <translation>Best %1</translation>
    </message>
</context>
<context>
    <name>TfrmAboutBox</name>
    <message>
        <source>Briscola Chiamata</source>
        <translation>Briscola Chiamata</translation>
    </message>
    <message>
        <source>Versione %1</source>
        <translation>Version %1</translation>
    </message>
    <message>
        <source>Gli autori di Pentaludo</source>
        <translation>The Pentaludo authors</translation>
    </message>
    <message>
        <source>Manuale di Pentaludo</source>
        <translation>Pentaludo manual</translation>
    </message>
    <message>
        <source>Impossibile aprire il manuale: </source>
        <translation>Cannot open the manual: </translation>
    </message>
</context>
<context>
    <name>TfrmBriscola</name>
    <message>
        <source>Impossibile caricare le immagini delle carte</source>
        <translation>Cannot load the card pictures</translation>
    </message>
    <message>
        <source>Tipi di Giocatori</source>
        <translation>Player Types</translation>
    </message>
    <message>
        <source>Vuoi uscire dal gioco ?</source>
        <translation>Do you want to quit the game?</translation>
    </message>
</context>
<context>
    <name>TfrmBriscolaMain</name>
    <message>
        <source>Per cominciare scegli Partita → Nuova Partita (Ctrl+N)</source>
        <translation>To begin, choose Game → New Game (Ctrl+N)</translation>
    </message>
    <message>
        <source>Per un&apos;altra partita scegli Partita → Nuova Partita (Ctrl+N)</source>
        <translation>For another game, choose Game → New Game (Ctrl+N)</translation>
    </message>
    <message>
        <source>Pentaludo - Versione %1</source>
        <translation>Pentaludo - Version %1</translation>
    </message>
    <message>
        <source>Tocca a questo giocatore</source>
        <translation>This player&apos;s turn</translation>
    </message>
    <message>
        <source>Socio</source>
        <translation>Partner</translation>
    </message>
    <message>
        <source>Chiamante</source>
        <translation>Caller</translation>
    </message>
    <message>
        <source>Hai vinto per %1 a %2</source>
        <translation>You won, %1 to %2</translation>
    </message>
    <message>
        <source>Hai perso per %1 a %2</source>
        <translation>You lost, %1 to %2</translation>
    </message>
    <message>
        <source>Fine Partita</source>
        <translation>Game Over</translation>
    </message>
    <message>
        <source>&amp;Partita</source>
        <translation>&amp;Game</translation>
    </message>
    <message>
        <source>&amp;Nuova Partita</source>
        <translation>&amp;New Game</translation>
    </message>
    <message>
        <source>&amp;Salva Partita</source>
        <translation>&amp;Save Game</translation>
    </message>
    <message>
        <source>&amp;Carica Partita</source>
        <translation>&amp;Load Game</translation>
    </message>
    <message>
        <source>&amp;Opzioni</source>
        <translation>&amp;Options</translation>
    </message>
    <message>
        <source>&amp;Esci</source>
        <translation>&amp;Quit</translation>
    </message>
    <message>
        <source>&amp;Mostra</source>
        <translation>&amp;View</translation>
    </message>
    <message>
        <source>P&amp;unti</source>
        <translation>&amp;Scores</translation>
    </message>
    <message>
        <source>Stato &amp;IA</source>
        <translation>&amp;AI State</translation>
    </message>
    <message>
        <source>&amp;Info</source>
        <translation>&amp;Help</translation>
    </message>
    <message>
        <source>&amp;Informazioni</source>
        <translation>&amp;About</translation>
    </message>
    <message>
        <source>&amp;Tasti</source>
        <translation>&amp;Keys</translation>
    </message>
    <message>
        <source>Briscola Chiamata</source>
        <translation>Briscola Chiamata</translation>
    </message>
    <message>
        <source>Vuoi ricominciare la partita ?<byte value="xd"/>
I punteggi verranno azzerati.</source>
        <translation>Do you want to start the game again?<byte value="xd"/>
The scores will be reset.</translation>
    </message>
    <message>
        <source>Carte in mano (da sinistra):<byte value="xd"/>
  1 - 8	gioca la carta di quel posto<byte value="xd"/>
  ← →	segna una carta<byte value="xd"/>
  Invio	gioca la carta segnata<byte value="xd"/>
<byte value="xd"/>
Licitazione:<byte value="xd"/>
  ← → ↑ ↓	segna una chiamata<byte value="xd"/>
  Invio	fa la chiamata segnata<byte value="xd"/>
  P	passa<byte value="xd"/>
  + -	aumenta o diminuisce i punti<byte value="xd"/>
<byte value="xd"/>
Scelta della briscola:<byte value="xd"/>
  1 - 4	il seme di quel posto, da sinistra<byte value="xd"/>
  ← →, Invio	segna e sceglie un seme<byte value="xd"/>
<byte value="xd"/>
Ctrl+N nuova partita, F9 stato IA, F10 tipi di giocatori, Ctrl+Q esci</source>
        <translation>Cards in hand (from the left):<byte value="xd"/>
  1 - 8	play the card in that place<byte value="xd"/>
  ← →	mark a card<byte value="xd"/>
  Enter	play the marked card<byte value="xd"/>
<byte value="xd"/>
Bidding:<byte value="xd"/>
  ← → ↑ ↓	mark a bid<byte value="xd"/>
  Enter	make the marked bid<byte value="xd"/>
  P	pass<byte value="xd"/>
  + -	raise or lower the points<byte value="xd"/>
<byte value="xd"/>
Naming the trump:<byte value="xd"/>
  1 - 4	the suit in that place, from the left<byte value="xd"/>
  ← →, Enter	mark and choose a suit<byte value="xd"/>
<byte value="xd"/>
Ctrl+N new game, F9 AI state, F10 player types, Ctrl+Q quit</translation>
    </message>
    <message>
        <source>Tasti</source>
        <translation>Keys</translation>
    </message>
    <message>
        <source>Impossibile conservare la serie in corso in %1.</source>
        <translation>Cannot keep the series in progress in %1.</translation>
    </message>
    <message>
        <source>La serie conservata in %1 non si può leggere: si comincia una serie nuova.</source>
        <translation>The series kept in %1 cannot be read: a new series begins.</translation>
    </message>
    <message>
        <source>Esporta &amp;partite…</source>
        <translation>E&amp;xport games…</translation>
    </message>
    <message>
        <source>&amp;Dimensione</source>
        <translation>Si&amp;ze</translation>
    </message>
    <message>
        <source>&amp;Adatta alla finestra</source>
        <translation>&amp;Fit to window</translation>
    </message>
    <message>
        <source>Analisi</source>
        <translation>Review</translation>
    </message>
    <message>
        <source>&amp;Suggerimento</source>
        <translation>&amp;Hint</translation>
    </message>
    <message>
        <source>&amp;Analisi</source>
        <translation>&amp;Review</translation>
    </message>
    <message>
        <source>Analisi della partita</source>
        <translation>Game review</translation>
    </message>
    <message>
        <source>Nessuna partita finita da analizzare.</source>
        <translation>No finished game to review.</translation>
    </message>
    <message>
        <source>Gioca in &amp;rete…</source>
        <translation>Play &amp;online…</translation>
    </message>
    <message>
        <source>Vuoi lasciare il tavolo in rete?</source>
        <translation>Do you want to leave the online table?</translation>
    </message>
    <message>
        <source>Il server %1 non risponde. Controlla l&apos;indirizzo e la porta, e che chi ospita il tavolo abbia il gioco aperto.</source>
        <translation>The server %1 does not answer. Check the address and the port, and that whoever hosts the table has the game open.</translation>
    </message>
    <message>
        <source>Su questo server non c&apos;è nessun tavolo con il codice %1.</source>
        <translation>There is no table with the code %1 on this server.</translation>
    </message>
    <message>
        <source>Il tavolo è al completo: ci sono già cinque persone.</source>
        <translation>The table is full: five people already sit at it.</translation>
    </message>
    <message>
        <source>Il server usa un&apos;altra versione del gioco: per giocare insieme serve la stessa versione.</source>
        <translation>The server runs another version of the game: playing together needs the same version.</translation>
    </message>
    <message>
        <source>La connessione al tavolo si è interrotta. Il tuo posto resta tuo (intanto lo gioca il computer): per tornare scegli Partita → Gioca in rete… → Rientra.</source>
        <translation>The connection to the table dropped. Your seat stays yours (the computer plays it meanwhile): to go back choose Game → Play online… → Rejoin.</translation>
    </message>
    <message>
        <source>Il server si è fermato: il tavolo è salvato e si potrà riprendere.</source>
        <translation>The server has stopped: the table is saved and can be resumed.</translation>
    </message>
    <message>
        <source>Il tavolo è stato chiuso.</source>
        <translation>The table has been closed.</translation>
    </message>
    <message>
        <source>Il server ha mandato un messaggio non valido (%1): la connessione è chiusa.</source>
        <translation>The server sent an invalid message (%1): the connection is closed.</translation>
    </message>
    <message>
        <source>Posto %1: %2</source>
        <translation>Seat %1: %2</translation>
    </message>
    <message>
        <source>Chiudere il tavolo per tutti?</source>
        <translation>Close the table for everyone?</translation>
    </message>
    <message>
        <source>Lasciare la partita in corso per giocare in rete?</source>
        <translation>Leave the game in progress to play online?</translation>
    </message>
    <message>
        <source>Da %1</source>
        <translation>%1&apos;s table</translation>
    </message>
    <message>
        <source>Al tavolo in rete: la partita comincia quando chi l&apos;ha creato sceglie Comincia</source>
        <translation>At the online table: the game starts when whoever created it chooses Start</translation>
    </message>
    <message>
        <source>Questa finestra non ha visto dall&apos;inizio tutte le partite della serie del tavolo: un file .bri deve contenerle tutte, quindi la serie non viene salvata. Può salvarla chi è al tavolo dalla prima partita.</source>
        <translation>This window did not see every game of the table&apos;s series from its start: a .bri file must hold them all, so the series is not saved. Whoever has been at the table since the first game can save it.</translation>
    </message>
    <message>
        <source>Il server %1 usa un certificato TLS di cui questo sistema non si fida (%2): la connessione non è stata aperta. Chi ospita deve usare un certificato valido per quell&apos;indirizzo.</source>
        <translation>The server %1 uses a TLS certificate this system does not trust (%2): the connection was not opened. The host must use a certificate valid for that address.</translation>
    </message>
</context>
<context>
    <name>TfrmOpzioni</name>
    <message>
        <source>Opzioni</source>
        <translation>Options</translation>
    </message>
    <message>
        <source>Imposta Sfondo</source>
        <translation>Choose Background</translation>
    </message>
    <message>
        <source>Immagine Bitmap (*.bmp)</source>
        <translation>Bitmap image (*.bmp)</translation>
    </message>
    <message>
        <source>Nomi Giocatori</source>
        <translation>Names</translation>
    </message>
    <message>
        <source>Colori e Sfondo</source>
        <translation>Colours</translation>
    </message>
    <message>
        <source>Carte</source>
        <translation>Cards</translation>
    </message>
    <message>
        <source>Prima mano al buio</source>
        <translation>First trick face down</translation>
    </message>
    <message>
        <source>Mostra le carte raggruppate per seme</source>
        <translation>Show the cards grouped by suit</translation>
    </message>
    <message>
        <source>Giocatori esperti</source>
        <translation>Expert players</translation>
    </message>
    <message>
        <source>I quattro avversari giocano da esperti, dalla prossima partita</source>
        <translation>The four opponents play as experts, from the next game</translation>
    </message>
    <message>
        <source>Punti per Mandare a Monte</source>
        <translation>Points for a Redeal</translation>
    </message>
    <message>
        <source>Attesa dopo ogni carta giocata</source>
        <translation>Pause after each card played</translation>
    </message>
    <message>
        <source>Attesa dopo la fine della mano</source>
        <translation>Pause after each trick</translation>
    </message>
    <message>
        <source>Scegli un nome a caso</source>
        <translation>Pick a random name</translation>
    </message>
    <message>
        <source>Sfondo</source>
        <translation>Background</translation>
    </message>
    <message>
        <source>Testo</source>
        <translation>Text</translation>
    </message>
    <message>
        <source>Bitmap</source>
        <translation>Bitmap</translation>
    </message>
    <message>
        <source>automatica</source>
        <translation>automatic</translation>
    </message>
    <message>
        <source>La lingua cambia al prossimo avvio del gioco</source>
        <translation>Takes effect when the game next starts</translation>
    </message>
    <message>
        <source>Lingua</source>
        <translation>Language</translation>
    </message>
</context>
<context>
    <name>TfrmStato</name>
    <message>
        <source>Stato</source>
        <translation>State</translation>
    </message>
    <message>
        <source>Carte Giocate</source>
        <translation>Cards Played</translation>
    </message>
    <message>
        <source>Dettaglio</source>
        <translation>Detail</translation>
    </message>
    <message>
        <source>Chiamata</source>
        <translation>Called card</translation>
    </message>
    <message>
        <source>Chiamante</source>
        <translation>Caller</translation>
    </message>
    <message>
        <source>Socio</source>
        <translation>Partner</translation>
    </message>
    <message>
        <source>Giocatore</source>
        <translation>Player</translation>
    </message>
    <message>
        <source>In mano</source>
        <translation>In hand</translation>
    </message>
    <message>
        <source>Distribuite</source>
        <translation>Dealt</translation>
    </message>
    <message>
        <source>Schema</source>
        <translation>Pattern</translation>
    </message>
    <message>
        <source>Auto</source>
        <translation>Auto</translation>
    </message>
    <message>
        <source>Continua</source>
        <translation>Continue</translation>
    </message>
</context>
</TS>
