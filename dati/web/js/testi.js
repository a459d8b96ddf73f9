// The page's texts, in Italian and English, and the names of cards, suits and bids in the
// card set shown.

const TESTI = {
  it: {
    titolo: 'Pentaludo: Briscola Chiamata',
    crea: 'Crea un tavolo',
    creaSpiega: 'Crea un tavolo e manda il link agli amici: i posti vuoti li gioca il computer.',
    nome: 'Il tuo nome',
    nomeTavolo: 'Nome del tavolo',
    tavoloDi: 'Tavolo di {0}',
    manoAlBuio: 'Prima mano al buio',
    computer: 'Computer ai posti vuoti',
    standard: 'standard',
    tattico: 'tattico',
    esperto: 'esperto',
    tempoTurno: 'Tempo per decidere',
    senzaLimite: 'senza limite',
    secondi: '{0} s',
    entra: 'Entra al tavolo «{0}»',
    scegliPosto: 'Scegli un posto libero.',
    siediti: 'Siediti al posto {0}',
    postoPreso: 'Posto {0}: {1}',
    collegamento: 'Collegamento…',
    connessionePersa: 'Connessione persa. Riprovo…',
    riprova: 'Riprova',
    invita: 'Invita gli amici con questo link:',
    copia: 'Copia',
    copiato: 'Copiato',
    comincia: 'Comincia la serie',
    attesaInizio: 'In attesa che chi ha creato il tavolo cominci la serie.',
    persona: 'persona',
    assente: 'assente: gioca il computer',
    computerPosto: 'computer ({0})',
    computerN: 'Computer\u00a0{0}',
    computerGenere: 'computer',
    libero: 'posto libero',
    tu: 'tu',
    chiamante: 'chiamante',
    socio: 'socio',
    prese: '{0} prese · {1} punti',
    briscola: 'Briscola',
    cartaChiamata: 'Carta chiamata',
    chiamata: 'Chiamata',
    licitazione: 'Licitazione',
    passo: 'Passo',
    dueA: 'Due a {0}',
    punti: 'Punti',
    chiama: 'Chiama',
    tuoTurnoChiamata: 'Tocca a te: chiama o passa.',
    tuoTurnoBriscola: 'Hai vinto la licitazione: scegli la briscola.',
    tuoTurnoCarta: 'Tocca a te: gioca una carta.',
    turnoDi: 'Tocca a {0}.',
    tempoRestante: '{0} s',
    vinta: '{0} ha chiamato {1}: la squadra del chiamante fa {2} punti e vince.',
    persa: '{0} ha chiamato {1}: la squadra del chiamante fa {2} punti e perde.',
    tuoPunteggio: 'Il tuo punteggio: {0}',
    avanti: 'Avanti',
    confermati: 'Pronti: {0} di {1}',
    serie: 'Serie',
    partite: 'Partite giocate: {0}',
    totale: 'Totale',
    ultime: 'Ultime partite',
    chat: 'Chat',
    scrivi: 'Scrivi un messaggio',
    invia: 'Invia',
    mazzo: 'Carte',
    sfondo: 'Sfondo',
    pannoVerde: 'Panno verde',
    legno: 'Legno',
    vellutoBlu: 'Velluto blu',
    chiusura: 'Il tavolo è stato chiuso: {0}',
    arresto: 'Il server si ferma: {0}',
    http: 'Attenzione: questa pagina arriva senza cifratura (http). Nome, messaggi e gettone ' +
      'del posto viaggiano in chiaro su internet. Chi ospita il tavolo può attivare TLS: ' +
      'vedi il README di Pentaludo, «Giocare con gli amici in rete».',
    tasti: 'Tasti: 1-8 giocano le carte, P passa, 1-4 scelgono la briscola.',
    codiceErrato: 'Il link non contiene un codice di tavolo valido.',
  },
  en: {
    titolo: 'Pentaludo: Briscola Chiamata',
    crea: 'Create a table',
    creaSpiega: 'Create a table and send the link to your friends: the computer plays the empty seats.',
    nome: 'Your name',
    nomeTavolo: 'Table name',
    tavoloDi: "{0}'s table",
    manoAlBuio: 'First trick face down',
    computer: 'Computer in empty seats',
    standard: 'standard',
    tattico: 'tactical',
    esperto: 'expert',
    tempoTurno: 'Time to decide',
    senzaLimite: 'no limit',
    secondi: '{0} s',
    entra: 'Join the table “{0}”',
    scegliPosto: 'Choose a free seat.',
    siediti: 'Sit in seat {0}',
    postoPreso: 'Seat {0}: {1}',
    collegamento: 'Connecting…',
    connessionePersa: 'Connection lost. Retrying…',
    riprova: 'Retry',
    invita: 'Invite your friends with this link:',
    copia: 'Copy',
    copiato: 'Copied',
    comincia: 'Start the series',
    attesaInizio: 'Waiting for the table’s creator to start the series.',
    persona: 'person',
    assente: 'away: the computer plays',
    computerPosto: 'computer ({0})',
    computerN: 'Computer\u00a0{0}',
    computerGenere: 'computer',
    libero: 'free seat',
    tu: 'you',
    chiamante: 'caller',
    socio: 'partner',
    prese: '{0} tricks · {1} points',
    briscola: 'Trump',
    cartaChiamata: 'Called card',
    chiamata: 'Bid',
    licitazione: 'Bidding',
    passo: 'Pass',
    dueA: 'Two for {0}',
    punti: 'Points',
    chiama: 'Bid',
    tuoTurnoChiamata: 'Your turn: bid or pass.',
    tuoTurnoBriscola: 'You won the bidding: name the trump.',
    tuoTurnoCarta: 'Your turn: play a card.',
    turnoDi: '{0} to play.',
    tempoRestante: '{0} s',
    vinta: '{0} called {1}: the caller’s side takes {2} points and wins.',
    persa: '{0} called {1}: the caller’s side takes {2} points and loses.',
    tuoPunteggio: 'Your score: {0}',
    avanti: 'Next',
    confermati: 'Ready: {0} of {1}',
    serie: 'Series',
    partite: 'Games played: {0}',
    totale: 'Total',
    ultime: 'Last games',
    chat: 'Chat',
    scrivi: 'Write a message',
    invia: 'Send',
    mazzo: 'Cards',
    sfondo: 'Background',
    pannoVerde: 'Green felt',
    legno: 'Wood',
    vellutoBlu: 'Blue velvet',
    chiusura: 'The table was closed: {0}',
    arresto: 'The server is stopping: {0}',
    http: 'Warning: this page came unencrypted (http). Your name, messages and seat token ' +
      'travel in clear over the internet. The host can turn on TLS: see Pentaludo’s README, ' +
      '“Playing with friends over the network”.',
    tasti: 'Keys: 1-8 play the cards, P passes, 1-4 name the trump.',
    codiceErrato: 'The link holds no valid table code.',
  },
};

const lingue = navigator.languages && navigator.languages.length ? navigator.languages
  : [navigator.language || 'it'];
export const lingua = String(lingue[0]).toLowerCase().startsWith('en') ? 'en' : 'it';

export function t(chiave, ...valori) {
  let testo = TESTI[lingua][chiave] ?? TESTI.it[chiave] ?? chiave;
  valori.forEach((valore, i) => { testo = testo.replace(`{${i}}`, String(valore)); });
  return testo;
}

// Faces in the network's order (A 2 3 4 5 6 7 F C R) and suits (C Q F P).
export const FACCE = 'A234567FCR';
export const SEMI = 'CQFP';
// The bidding ladder on ranks, lowest first; then the Due with 61..120 points.
export const SCALA = ['A', '3', 'R', 'C', 'F', '7', '6', '5', '4', '2'];

const NOMI = {
  it: {
    valori: ['Asso', 'Due', 'Tre', 'Quattro', 'Cinque', 'Sei', 'Sette', 'Fante', 'Donna', 'Re'],
    cavallo: 'Cavallo',
    Milanesi: ['Cuori', 'Quadri', 'Fiori', 'Picche'],
    Napoletane: ['Coppe', 'Denari', 'Bastoni', 'Spade'],
    di: (valore, seme) => `${valore} di ${seme}`,
  },
  en: {
    valori: ['Ace', 'Two', 'Three', 'Four', 'Five', 'Six', 'Seven', 'Jack', 'Queen', 'King'],
    cavallo: 'Knight',
    Milanesi: ['Hearts', 'Diamonds', 'Clubs', 'Spades'],
    Napoletane: ['Cups', 'Coins', 'Batons', 'Swords'],
    di: (valore, seme) => `${valore} of ${seme}`,
  },
};

export function nomeValore(lettera, mazzo) {
  const nomi = NOMI[lingua];
  const indice = FACCE.indexOf(lettera);
  if (indice < 0) return lettera;
  return indice === 8 && mazzo === 'Napoletane' ? nomi.cavallo : nomi.valori[indice];
}

export function nomeSeme(lettera, mazzo) {
  const indice = SEMI.indexOf(lettera);
  return indice < 0 ? lettera : NOMI[lingua][mazzo][indice];
}

export function nomeCarta(codice, mazzo) {
  if (typeof codice !== 'string' || codice.length !== 2) return '';
  return NOMI[lingua].di(nomeValore(codice[0], mazzo), nomeSeme(codice[1], mazzo));
}

export function nomeChiamata(chiamata, mazzo) {
  if (chiamata === 'passo') return t('passo');
  if (/^\d{2,3}$/.test(chiamata)) return t('dueA', chiamata);
  return nomeValore(chiamata, mazzo);
}
