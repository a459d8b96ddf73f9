// What this seat knows of the table, kept up to date from the server's messages. No page
// element here: the view draws from it.

import { SCALA } from './testi.js';

function partitaVuota(numero, mano) {
  return {
    numero, mano: [...mano], licitazioni: [], chiamante: -1, chiamata: '', briscola: '',
    cartaChiamata: '', socio: -1, tavola: [], prese: [0, 0, 0, 0, 0], punti: [0, 0, 0, 0, 0],
    turno: null, finita: false,
  };
}

// The rank of a bid on the ladder: ranks first, then the points.
export function gradoChiamata(chiamata) {
  const indice = SCALA.indexOf(chiamata);
  if (indice >= 0) return indice;
  const punti = Number(chiamata);
  return Number.isInteger(punti) && punti >= 61 && punti <= 120 ? SCALA.length + punti - 61 : -1;
}

export class StatoTavolo {
  constructor() {
    this.codice = '';
    this.nome = '';
    this.posto = -1;
    this.creatore = false;
    this.iniziata = false;
    this.computer = 'standard';
    this.manoAlBuio = false;
    this.posti = [];
    this.serie = null;
    this.partita = null;
    this.attesa = null;
    this.fine = null;
    this.ultimaPresa = null;
    this.chat = [];
  }

  // The highest bid so far, or '' when nobody has bid.
  chiamataInPiedi() {
    const offerte = (this.partita?.licitazioni ?? []).filter((l) => l.chiamata !== 'passo');
    return offerte.length ? offerte[offerte.length - 1].chiamata : '';
  }

  // The bids this seat may make now: ranks and points above the standing bid, and whether it
  // may pass (not the last seat left while nobody has bid).
  chiamateAmmesse() {
    const inPiedi = gradoChiamata(this.chiamataInPiedi());
    const ranghi = SCALA.filter((r) => gradoChiamata(r) > inPiedi);
    const punti = [];
    for (let p = 61; p <= 120; ++p) if (gradoChiamata(String(p)) > inPiedi) punti.push(String(p));
    const passati = new Set((this.partita?.licitazioni ?? [])
      .filter((l) => l.chiamata === 'passo').map((l) => l.posto));
    const passo = inPiedi >= 0 || passati.size < 4;
    return { ranghi, punti, passo };
  }

  mioTurno(cosa) {
    const turno = this.partita?.turno;
    return !!turno && turno.posto === this.posto && this.posto >= 0 && (!cosa || turno.cosa === cosa);
  }

  applica(m) {
    const p = this.partita;
    switch (m.tipo) {
      case 'creato':
        this.codice = m.codice;
        break;
      case 'stato':
        this.codice = m.codice;
        this.nome = m.nome;
        this.posto = m.posto;
        this.creatore = m.creatore;
        this.iniziata = m.iniziata;
        this.computer = m.computer;
        this.manoAlBuio = m.manoAlBuio;
        this.posti = m.posti;
        this.serie = m.serie;
        this.attesa = m.attesa;
        this.partita = m.partita ? { ...partitaVuota(m.partita.numero, []), ...m.partita } : null;
        this.fine = null;
        this.ultimaPresa = null;
        break;
      case 'seduto':
        this.posto = m.posto;
        break;
      case 'posti':
        this.posti = m.posti;
        break;
      case 'inizio':
        this.iniziata = true;
        this.partita = partitaVuota(m.partita, m.mano);
        this.attesa = null;
        this.fine = null;
        this.ultimaPresa = null;
        break;
      case 'turno':
        if (p) p.turno = { posto: m.posto, cosa: m.cosa, tempoMs: m.tempoMs, da: Date.now() };
        break;
      case 'chiamata':
        if (!p) break;
        p.licitazioni.push({ posto: m.posto, chiamata: m.chiamata });
        if (m.chiamata !== 'passo') p.chiamata = m.chiamata;
        if (p.turno?.posto === m.posto) p.turno = null;
        break;
      case 'finelicitazione':
        if (!p) break;
        p.chiamante = m.chiamante;
        p.chiamata = m.chiamata;
        if (p.turno?.cosa === 'chiamata') p.turno = null;
        break;
      case 'briscola':
        if (!p) break;
        p.briscola = m.seme;
        p.cartaChiamata = m.cartaChiamata;
        if (p.turno?.cosa === 'briscola') p.turno = null;
        break;
      case 'carta':
        if (!p) break;
        this.ultimaPresa = null;
        p.tavola.push({ posto: m.posto, coperta: m.coperta, carta: m.carta });
        if (m.posto === this.posto && m.carta) p.mano = p.mano.filter((c) => c !== m.carta);
        if (p.turno?.posto === m.posto) p.turno = null;
        break;
      case 'presa':
        if (!p) break;
        p.prese[m.vincitore] += 1;
        p.punti[m.vincitore] += m.punti;
        p.tavola = [];
        this.ultimaPresa = { vincitore: m.vincitore, carte: m.carte };
        break;
      case 'socio':
        if (p) p.socio = m.posto;
        break;
      case 'finepartita':
        if (p) {
          p.finita = true;
          p.turno = null;
          p.socio = m.socio;
        }
        this.fine = m;
        break;
      case 'serie':
        this.serie = m;
        break;
      case 'attesa':
        this.attesa = { confermati: m.confermati, tempoMs: m.tempoMs, da: Date.now() };
        break;
      case 'chat':
        this.chat.push({ posto: m.posto, nome: m.nome, testo: m.testo });
        if (this.chat.length > 100) this.chat.shift();
        break;
      default:
        break;
    }
  }
}
