// The page: joins or creates a table over the server's WebSocket protocol, keeps the seat's
// token in this browser so that a reload returns to the seat, and hands keys and clicks on as
// the protocol's requests.

import { t, lingua, SEMI } from './testi.js';
import { StatoTavolo } from './stato.js';
import { disegna, aggiornaTempo, immagine } from './vista.js';
import { indirizzoPrivato } from './indirizzi.js';

const $ = (id) => document.getElementById(id);
const VERSIONE = 1;
const CODICE = /^[A-Za-z0-9_-]{1,64}$/;

let stato = new StatoTavolo();
let socket = null;
let intenzione = null; // {crea: {...}, nome} or {siedi: posto, nome}
let tentativi = 0;
let finito = false;

const memoria = {
  leggi(chiave) { try { return JSON.parse(localStorage.getItem(`pentaludo.${chiave}`)); } catch { return null; } },
  scrivi(chiave, valore) { try { localStorage.setItem(`pentaludo.${chiave}`, JSON.stringify(valore)); } catch { /* private mode */ } },
  togli(chiave) { try { localStorage.removeItem(`pentaludo.${chiave}`); } catch { /* private mode */ } },
};

function mazzo() { return $('scelta-mazzo').value; }

const azioni = {
  mazzo,
  gioca(carta) {
    if (!stato.mioTurno('carta')) return;
    invia({ tipo: 'carta', carta });
  },
  chiama(chiamata) {
    if (stato.mioTurno('chiamata')) invia({ tipo: 'chiamata', chiamata });
  },
  briscola(seme) {
    if (stato.mioTurno('briscola')) invia({ tipo: 'briscola', seme });
  },
  conferma() { invia({ tipo: 'conferma' }); },
  comincia() { invia({ tipo: 'comincia' }); },
};

function mostraErrore(testo) {
  const box = $('errore');
  box.textContent = testo;
  box.hidden = false;
  clearTimeout(mostraErrore.timer);
  mostraErrore.timer = setTimeout(() => { box.hidden = true; }, 6000);
}

function invia(messaggio) {
  if (socket?.readyState === WebSocket.OPEN) socket.send(JSON.stringify(messaggio));
}

function codiceDalLink() {
  const codice = decodeURIComponent(location.hash.slice(1));
  return CODICE.test(codice) ? codice : '';
}

function linkInvito() {
  return `${location.protocol}//${location.host}/#${stato.codice}`;
}

function mostra(quale) {
  $('ingresso').hidden = quale !== 'ingresso';
  $('tavolo').hidden = quale !== 'tavolo';
}

function ridisegna() {
  if (stato.posto < 0) return;
  mostra('tavolo');
  $('invito').hidden = stato.iniziata;
  $('invito-link').value = linkInvito();
  disegna(stato, azioni);
}

function sceltaPosto() {
  mostra('ingresso');
  $('modulo-crea').hidden = true;
  $('modulo-siedi').hidden = false;
  $('siedi-titolo').textContent = t('entra', stato.nome);
  const posti = $('siedi-posti');
  posti.replaceChildren();
  stato.posti.forEach((p, i) => {
    const b = document.createElement('button');
    b.type = 'button';
    b.dataset.posto = String(i);
    if (p.persona) {
      b.textContent = t('postoPreso', i + 1, p.nome);
      b.disabled = true;
    } else {
      b.textContent = t('siediti', i + 1);
      b.addEventListener('click', () => {
        const nome = $('siedi-nome').value.trim();
        if (!$('modulo-siedi').reportValidity() || !nome) return;
        memoria.scrivi('nome', nome);
        intenzione = { siedi: i, nome };
        invia({ tipo: 'siedi', posto: i, nome });
      });
    }
    posti.append(b);
  });
}

function ricevi(m) {
  stato.applica(m);
  switch (m.tipo) {
    case 'benvenuto':
      tentativi = 0;
      $('ingresso-stato').textContent = '';
      if (intenzione?.crea) invia({ tipo: 'crea', ...intenzione.crea });
      return;
    case 'creato':
      history.replaceState(null, '', `#${m.codice}`);
      invia({ tipo: 'siedi', posto: 0, nome: intenzione.nome });
      return;
    case 'stato': {
      if (stato.posto >= 0) break;
      const salvato = memoria.leggi(`posto.${stato.codice}`);
      if (salvato && Number.isInteger(salvato.posto) && typeof salvato.gettone === 'string') {
        invia({ tipo: 'rientra', posto: salvato.posto, gettone: salvato.gettone });
      } else if (!intenzione?.crea) {
        sceltaPosto();
      }
      return;
    }
    case 'seduto':
      if (m.gettone) memoria.scrivi(`posto.${stato.codice}`, { posto: m.posto, gettone: m.gettone });
      return;
    case 'errore':
      mostraErrore(m.messaggio);
      if (intenzione?.crea && !stato.codice) {
        // The table was not created: the form stays, to try again.
        abbandona();
        $('crea-vai').disabled = false;
      } else if (m.codice === 'tavolo' || m.codice === 'versione') {
        // No such table (a stale link) or another version: nothing to come back to.
        abbandona();
        $('modulo-siedi').hidden = true;
        $('modulo-crea').hidden = false;
      } else if (stato.posto < 0 && ['gettone', 'posto', 'nome'].includes(m.codice)) {
        // A seat refused before sitting: a stale token is dropped, and the seats are offered.
        if (!intenzione) memoria.togli(`posto.${stato.codice}`);
        sceltaPosto();
      }
      return;
    case 'chiusura':
      finito = true;
      mostraErrore(t('chiusura', m.motivo));
      return;
    case 'arresto':
      mostraErrore(t('arresto', m.messaggio));
      return;
    default:
      break;
  }
  ridisegna();
}

function abbandona() {
  finito = true;
  socket?.close();
  mostra('ingresso');
  $('ingresso-stato').textContent = '';
}

function connetti(percorso) {
  const schema = location.protocol === 'https:' ? 'wss:' : 'ws:';
  $('ingresso-stato').textContent = t('collegamento');
  socket = new WebSocket(`${schema}//${location.host}${percorso}`);
  socket.addEventListener('open', () => invia({ tipo: 'ciao', versione: VERSIONE }));
  socket.addEventListener('message', (evento) => {
    let m;
    try { m = JSON.parse(evento.data); } catch { return; }
    if (m && typeof m.tipo === 'string') ricevi(m);
  });
  socket.addEventListener('close', () => {
    socket = null;
    if (finito) return;
    // A seat kept by the server: come back to it by the table's path and the saved token.
    const codice = stato.codice || codiceDalLink();
    if (!codice) return;
    intenzione = null;
    stato = new StatoTavolo();
    mostraErrore(t('connessionePersa'));
    const attesa = Math.min(1000 * 2 ** tentativi++, 15000);
    setTimeout(() => connetti(`/ws/${codice}`), attesa);
  });
}

function tasti(evento) {
  if (evento.target.closest('input, select, textarea') || evento.ctrlKey || evento.metaKey || evento.altKey) return;
  const cifra = Number(evento.key);
  if (stato.mioTurno('carta') && cifra >= 1 && cifra <= 8) {
    const carta = stato.partita.mano[cifra - 1];
    if (carta) azioni.gioca(carta);
  } else if (stato.mioTurno('briscola') && cifra >= 1 && cifra <= 4) {
    azioni.briscola(SEMI[cifra - 1]);
  } else if (stato.mioTurno('chiamata') && evento.key.toLowerCase() === 'p' && stato.chiamateAmmesse().passo) {
    azioni.chiama('passo');
  } else if (evento.key === 'ArrowLeft' || evento.key === 'ArrowRight') {
    const carte = [...document.querySelectorAll('#mano button:not(:disabled)')];
    const ora = carte.indexOf(document.activeElement);
    if (!carte.length) return;
    const passo = evento.key === 'ArrowLeft' ? -1 : 1;
    carte[(ora + passo + carte.length) % carte.length].focus();
  } else {
    return;
  }
  evento.preventDefault();
}

function preferenze() {
  const sceltaMazzo = $('scelta-mazzo');
  const sceltaSfondo = $('scelta-sfondo');
  sceltaMazzo.value = memoria.leggi('mazzo') === 'Napoletane' ? 'Napoletane' : 'Milanesi';
  const sfondo = memoria.leggi('sfondo');
  if ([...sceltaSfondo.options].some((o) => o.value === sfondo)) sceltaSfondo.value = sfondo;
  const applicaSfondo = () => {
    const base = `sfondi/${sceltaSfondo.value}`;
    $('sfondo').src = `${base}.png`;
    $('sfondo').srcset = `${base}.png 1x, ${base}@2x.png 2x`;
  };
  applicaSfondo();
  sceltaMazzo.addEventListener('change', () => { memoria.scrivi('mazzo', sceltaMazzo.value); ridisegna(); });
  sceltaSfondo.addEventListener('change', () => { memoria.scrivi('sfondo', sceltaSfondo.value); applicaSfondo(); });
}

function avvia() {
  document.documentElement.lang = lingua;
  document.title = t('titolo');
  document.querySelectorAll('[data-t]').forEach((e) => { e.textContent = t(e.dataset.t); });
  if (location.protocol === 'http:' && !indirizzoPrivato(location.hostname)) $('avviso-http').hidden = false;
  preferenze();
  const nome = memoria.leggi('nome');
  if (typeof nome === 'string') { $('crea-nome').value = nome; $('siedi-nome').value = nome; }
  document.addEventListener('keydown', tasti);
  setInterval(() => aggiornaTempo(stato), 1000);
  $('modulo-chat').addEventListener('submit', (e) => {
    e.preventDefault();
    const testo = $('chat-testo').value.trim();
    if (testo) invia({ tipo: 'chat', testo });
    $('chat-testo').value = '';
  });
  $('invito-copia').addEventListener('click', async () => {
    $('invito-link').select();
    try { await navigator.clipboard.writeText(linkInvito()); $('invito-copia').textContent = t('copiato'); } catch { /* selected: the user copies */ }
  });
  $('modulo-siedi').addEventListener('submit', (e) => e.preventDefault());
  $('modulo-crea').addEventListener('submit', (e) => {
    e.preventDefault();
    const nome = $('crea-nome').value.trim();
    if (!nome) return;
    memoria.scrivi('nome', nome);
    intenzione = {
      nome,
      crea: {
        nome: $('crea-tavolo').value.trim() || t('tavoloDi', nome).slice(0, 40),
        manoAlBuio: $('crea-buio').checked,
        computer: $('crea-computer').value,
        tempoTurno: Number($('crea-tempo').value),
      },
    };
    $('crea-vai').disabled = true;
    finito = false;
    stato = new StatoTavolo();
    connetti('/ws');
  });
  window.addEventListener('hashchange', () => location.reload());

  const codice = codiceDalLink();
  mostra('ingresso');
  if (codice) {
    connetti(`/ws/${codice}`);
  } else {
    if (location.hash.length > 1) mostraErrore(t('codiceErrato'));
    $('modulo-crea').hidden = false;
  }
  // Pictures of the hand are fetched ahead, so that the first deal shows at once.
  immagine('dorso', mazzo(), '');
}

avvia();
