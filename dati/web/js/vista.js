// Draws the table from what the seat knows. Names and chat from the network go in as text
// (textContent), never as markup.

import { t, nomeCarta, nomeChiamata, nomeSeme, SEMI } from './testi.js';

const $ = (id) => document.getElementById(id);

function elemento(tag, classe, testo) {
  const e = document.createElement(tag);
  if (classe) e.className = classe;
  if (testo !== undefined) e.textContent = testo;
  return e;
}

export function immagine(nome, mazzo, alt) {
  const img = document.createElement('img');
  const base = `carte/${mazzo}/${nome}`;
  img.src = `${base}.png`;
  img.srcset = `${base}.png 1x, ${base}@2x.png 2x`;
  img.alt = alt;
  img.draggable = false;
  return img;
}

function carta(codice, mazzo) {
  return codice ? immagine(codice, mazzo, nomeCarta(codice, mazzo)) : immagine('dorso', mazzo, '?');
}

// Seats drawn counter-clockwise from this seat at the bottom: who plays next is on the right.
function relativo(stato, posto) {
  return (posto - Math.max(stato.posto, 0) + 5) % 5;
}

export function nomePosto(stato, posto) {
  const p = stato.posti[posto];
  if (p?.persona && p.nome) return p.nome;
  return t('computerN', posto + 1);
}

function disegnaPosti(stato) {
  const partita = stato.partita;
  for (let posto = 0; posto < 5; ++posto) {
    const box = document.querySelector(`.posto[data-rel="${relativo(stato, posto)}"]`);
    const p = stato.posti[posto] ?? {};
    box.replaceChildren();
    box.dataset.posto = String(posto);
    const nome = elemento('div', 'nome', nomePosto(stato, posto));
    box.append(nome);
    let genere = p.persona ? (p.connesso ? t('persona') : t('assente')) : t('computerGenere');
    if (posto === stato.posto) genere = t('tu');
    box.append(elemento('div', 'genere', genere));
    const segni = elemento('div', 'segni');
    if (partita && partita.chiamante === posto) segni.append(elemento('span', 'segno chiamante', t('chiamante')));
    if (partita && partita.socio === posto && partita.socio !== partita.chiamante) {
      segni.append(elemento('span', 'segno socio', t('socio')));
    }
    box.append(segni);
    if (partita) box.append(elemento('div', 'conto', t('prese', partita.prese[posto], partita.punti[posto])));
    box.classList.toggle('di-turno', partita?.turno?.posto === posto);
    box.classList.toggle('mio', posto === stato.posto);
    box.classList.toggle('assente', !!p.persona && !p.connesso);
  }
}

function disegnaPresa(stato, mazzo) {
  const partita = stato.partita;
  const carte = partita?.tavola?.length ? partita.tavola : (stato.ultimaPresa?.carte ?? []);
  const vincitore = partita?.tavola?.length ? -1 : (stato.ultimaPresa?.vincitore ?? -1);
  document.querySelectorAll('#presa .spazio').forEach((s) => {
    s.replaceChildren();
    s.className = 'spazio';
    delete s.dataset.carta;
  });
  for (const c of carte) {
    const spazio = document.querySelector(`#presa .spazio[data-rel="${relativo(stato, c.posto)}"]`);
    spazio.append(carta(c.carta, mazzo));
    spazio.dataset.carta = c.carta ?? '';
    if (vincitore >= 0) spazio.classList.add(c.posto === vincitore ? 'vincente' : 'raccolta');
  }
}

function disegnaMano(stato, mazzo, azioni) {
  const mano = $('mano');
  mano.replaceChildren();
  const giocabile = stato.mioTurno('carta');
  mano.classList.toggle('giocabile', giocabile);
  (stato.partita?.mano ?? []).forEach((codice, i) => {
    const b = elemento('button', 'carta');
    b.type = 'button';
    b.dataset.carta = codice;
    b.title = `${i + 1}: ${nomeCarta(codice, mazzo)}`;
    b.append(carta(codice, mazzo));
    b.disabled = !giocabile;
    b.addEventListener('click', () => azioni.gioca(codice));
    mano.append(b);
  });
}

function pulsante(testo, azione, classe) {
  const b = elemento('button', classe, testo);
  b.type = 'button';
  b.addEventListener('click', azione);
  return b;
}

function disegnaComandi(stato, mazzo, azioni) {
  const pulsanti = $('pulsanti');
  const consiglio = $('consiglio');
  pulsanti.replaceChildren();
  consiglio.textContent = '';
  const partita = stato.partita;
  if (!stato.iniziata) {
    if (stato.creatore) pulsanti.append(pulsante(t('comincia'), azioni.comincia, 'principale'));
    else consiglio.textContent = t('attesaInizio');
    return;
  }
  if (stato.mioTurno('chiamata')) {
    consiglio.textContent = t('tuoTurnoChiamata');
    const ammesse = stato.chiamateAmmesse();
    if (ammesse.passo) pulsanti.append(pulsante(t('passo'), () => azioni.chiama('passo'), 'passo'));
    for (const r of ammesse.ranghi) {
      const b = pulsante(nomeChiamata(r, mazzo), () => azioni.chiama(r), 'offerta');
      b.dataset.chiamata = r;
      pulsanti.append(b);
    }
    if (ammesse.punti.length) {
      const scelta = elemento('select', 'punti');
      scelta.setAttribute('aria-label', t('punti'));
      for (const p of ammesse.punti) scelta.append(new Option(t('dueA', p), p));
      pulsanti.append(scelta, pulsante(t('chiama'), () => azioni.chiama(scelta.value), 'offerta'));
    }
  } else if (stato.mioTurno('briscola')) {
    consiglio.textContent = t('tuoTurnoBriscola');
    SEMI.split('').forEach((s, i) => {
      const b = pulsante('', () => azioni.briscola(s), 'seme');
      b.dataset.seme = s;
      b.append(immagine(`seme${s}`, mazzo, ''), elemento('span', '', `${i + 1} ${nomeSeme(s, mazzo)}`));
      pulsanti.append(b);
    });
  } else if (stato.mioTurno('carta')) {
    consiglio.textContent = t('tuoTurnoCarta');
  } else if (partita?.turno) {
    consiglio.textContent = t('turnoDi', nomePosto(stato, partita.turno.posto));
  }
  if (partita?.turno?.tempoMs > 0) consiglio.append(elemento('span', 'tempo', ''));
}

function disegnaMessaggio(stato, azioni) {
  const box = $('messaggio');
  box.replaceChildren();
  const fine = stato.fine;
  box.hidden = !fine && !stato.attesa;
  if (!fine && !stato.attesa) return;
  if (fine) {
    const puntiSquadra = fine.punti[fine.chiamante] + (fine.socio !== fine.chiamante ? fine.punti[fine.socio] : 0);
    box.append(elemento('p', 'esito', t(fine.vinta ? 'vinta' : 'persa', nomePosto(stato, fine.chiamante),
      nomeChiamata(fine.chiamata, azioni.mazzo()), puntiSquadra)));
    if (stato.posto >= 0) {
      const punteggio = fine.punteggi[stato.posto];
      box.append(elemento('p', 'punteggio', t('tuoPunteggio', punteggio > 0 ? `+${punteggio}` : punteggio)));
    }
  }
  if (stato.attesa && stato.posto >= 0) {
    const persone = stato.posti.filter((p) => p.persona && p.connesso).length;
    box.append(elemento('p', 'piccolo', t('confermati', stato.attesa.confermati.length, persone)));
    if (!stato.attesa.confermati.includes(stato.posto)) {
      box.append(pulsante(t('avanti'), azioni.conferma, 'principale avanti'));
    }
  }
}

function disegnaInfo(stato, mazzo) {
  const info = $('partita-info');
  info.replaceChildren();
  const partita = stato.partita;
  info.append(elemento('h3', '', stato.nome));
  info.append(elemento('p', 'piccolo', `${t('computer')}: ${t(stato.computer)}${stato.manoAlBuio ? ` · ${t('manoAlBuio')}` : ''}`));
  if (!partita) return;
  const riga = (etichetta, ...contenuto) => {
    const r = elemento('p', 'riga-info');
    r.append(elemento('span', 'etichetta', `${etichetta}: `), ...contenuto);
    info.append(r);
  };
  if (partita.chiamante >= 0) {
    riga(t('chiamata'), elemento('span', '', `${nomePosto(stato, partita.chiamante)}, ${nomeChiamata(partita.chiamata, mazzo)}`));
  }
  if (partita.briscola) {
    riga(t('briscola'), immagine(`seme${partita.briscola}`, mazzo, ''), elemento('span', 'briscola', nomeSeme(partita.briscola, mazzo)));
  }
  if (partita.cartaChiamata) {
    riga(t('cartaChiamata'), elemento('span', 'carta-chiamata', nomeCarta(partita.cartaChiamata, mazzo)));
  }
}

function disegnaLicitazioni(stato, mazzo) {
  const lista = $('licitazioni');
  lista.replaceChildren();
  for (const l of stato.partita?.licitazioni ?? []) {
    const voce = elemento('li', l.chiamata === 'passo' ? 'passata' : '');
    voce.append(elemento('span', 'chi', nomePosto(stato, l.posto)), elemento('span', 'cosa', nomeChiamata(l.chiamata, mazzo)));
    lista.append(voce);
  }
  lista.scrollTop = lista.scrollHeight;
}

// One row a seat: its total, then its score in each of the last games (the caller's bold, the
// partner's in italics).
function disegnaSerie(stato, mazzo) {
  const serie = stato.serie;
  $('serie-partite').textContent = t('partite', serie?.partite ?? 0);
  const tabella = $('serie');
  tabella.replaceChildren();
  if (!serie) return;
  const ultime = (serie.ultime ?? []).slice(-5);
  const testa = elemento('tr');
  testa.append(elemento('th', 'chi', ''), elemento('th', '', t('totale')));
  for (const u of ultime) {
    const th = elemento('th', '', String(u.numero + 1));
    th.title = `${nomePosto(stato, u.chiamante)}: ${nomeChiamata(u.chiamata, mazzo)}`;
    testa.append(th);
  }
  tabella.append(testa);
  for (let posto = 0; posto < 5; ++posto) {
    const r = elemento('tr', posto === stato.posto ? 'mio' : '');
    r.append(elemento('th', 'chi', nomePosto(stato, posto)), elemento('td', 'totale', String(serie.totali[posto])));
    for (const u of ultime) {
      const classe = posto === u.chiamante ? 'chiamante' : (posto === u.socio ? 'socio' : '');
      r.append(elemento('td', classe, String(u.punteggi[posto])));
    }
    tabella.append(r);
  }
}

function disegnaChat(stato) {
  const lista = $('chat');
  lista.replaceChildren();
  for (const riga of stato.chat) {
    const voce = elemento('li');
    voce.append(elemento('b', 'chi', `${riga.nome}: `), elemento('span', 'testo', riga.testo));
    lista.append(voce);
  }
  lista.scrollTop = lista.scrollHeight;
}

export function disegna(stato, azioni) {
  const mazzo = azioni.mazzo();
  disegnaPosti(stato);
  disegnaPresa(stato, mazzo);
  disegnaMano(stato, mazzo, azioni);
  disegnaComandi(stato, mazzo, azioni);
  disegnaMessaggio(stato, azioni);
  disegnaInfo(stato, mazzo);
  disegnaLicitazioni(stato, mazzo);
  disegnaSerie(stato, mazzo);
  disegnaChat(stato);
  aggiornaTempo(stato);
}

// The seconds left to the person whose turn it is, counted down between messages.
export function aggiornaTempo(stato) {
  const span = document.querySelector('#consiglio .tempo');
  const turno = stato.partita?.turno;
  if (!span || !turno || !(turno.tempoMs > 0)) return;
  const resto = Math.max(0, Math.ceil((turno.tempoMs - (Date.now() - turno.da)) / 1000));
  span.textContent = ` ${t('tempoRestante', resto)}`;
}
