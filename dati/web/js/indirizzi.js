// Whether the page was reached on an address that only this machine or a private network can
// reach, where plain http carries no risk from the internet.

function ipv4(testo) {
  const parti = testo.split('.');
  if (parti.length !== 4 || !parti.every((p) => /^\d{1,3}$/.test(p) && Number(p) <= 255)) return null;
  return parti.map(Number);
}

export function indirizzoPrivato(host) {
  const nome = host.toLowerCase().replace(/^\[|\]$/g, '');
  if (nome === 'localhost' || nome.endsWith('.localhost') || nome.endsWith('.local')) return true;
  const v4 = ipv4(nome.startsWith('::ffff:') ? nome.slice(7) : nome);
  if (v4) {
    const [a, b] = v4;
    return a === 127 || a === 10 || (a === 172 && b >= 16 && b <= 31) || (a === 192 && b === 168) ||
      (a === 169 && b === 254) || (a === 100 && b >= 64 && b <= 127);
  }
  if (nome.includes(':')) return nome === '::1' || /^f[cd]/.test(nome) || /^fe[89ab]/.test(nome);
  return false;
}
