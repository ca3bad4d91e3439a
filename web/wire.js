// The game's messages as the page sends and reads them: command name, fields
// joined by "+", free text last. One WebSocket text frame carries one message.

export const VERSION = '1.0.4';
export const LETTERS = 'ABCDEFGHIJKLMNOPRSTW';
export const SEATS = 8;
export const SPECTATOR_SEAT = 9;
export const CATEGORIES = 8;
// Additions to the first protocol this page understands, as our clients announce them.
export const CAPABILITIES = ['lead', 'back', 'removed', 'kept', 'drafts', 'done', 'removal',
  'takeover', 'away', 'welcome', 'notice', 'resume'];

export const isPlayingSeat = (seat) => seat >= 1 && seat <= SEATS;

// A decimal integer as the host writes it, or null.
export function toInt(text) {
  return /^\s*[-+]?\d+\s*$/.test(text) ? parseInt(text, 10) : null;
}

// Cuts fields off the front of a message's argument.
export class Fields {
  constructor(text) { this.rest = text; }
  get atEnd() { return this.rest === ''; }
  text() {
    const plus = this.rest.indexOf('+');
    const field = plus < 0 ? this.rest : this.rest.slice(0, plus);
    this.rest = plus < 0 ? '' : this.rest.slice(plus + 1);
    return field;
  }
  int() { return toInt(this.text()); }
}

// "CMD_name+argument" into its parts; a message without "+" has no name.
export function split(message) {
  const plus = message.indexOf('+');
  return plus < 0 ? { name: '', argument: '' }
    : { name: message.slice(0, plus), argument: message.slice(plus + 1) };
}

// A text that more fields follow cannot carry "+".
const inner = (text) => String(text).replace(/\+/g, '?');

// What a typed answer becomes on the wire, as the desktop client sends it.
export const cleanAnswer = (typed) => typed.replace(/\+/g, ' ').replace(/\u00ff/g, 'y').trim();

const answerList = (command, seat, answers) =>
  [command, seat, ...answers.flatMap((a, i) => [i + 1, inner(cleanAnswer(a || ''))])].join('+');

export const Msg = {
  peerinfo: (seat) => `CMD_peerinfo+${seat}+person+${CAPABILITIES.join(' ')}`,
  resume: (seat, token) => `CMD_resume+${seat}+${token}`,
  logininfo: (seat, name) => `CMD_logininfo+${seat}+${VERSION}+${name}`,
  chat: (seat, text, colour) => `CMD_chat+${seat}+${text}|${colour}`,
  action: (seat, text, colour) => `CMD_action+${seat}+${text}|${colour}`,
  playasound: (seat, n) => `CMD_playasound+${seat}+wave${n}+`,
  kickhim: (seat, other) => `CMD_kickhim+${seat}+${other}+`,
  justwatch: (seat, watch) => `CMD_justwatch+${seat}+${watch ? 1 : 2}`,
  startgame: (starter, rounds, time, allScoring, duplicates) =>
    `CMD_startgame+${inner(starter)}+${rounds}+${time}+${allScoring ? 1 : 0}+${duplicates ? 1 : 0}+`,
  myanswers: (seat, answers) => answerList('CMD_myanswers', seat, answers),
  draftanswers: (seat, answers) => answerList('CMD_draftanswers', seat, answers),
  votefor: (seat, other) => `CMD_votefor+${seat}+${other}+`,
  voteagainst: (seat, other) => `CMD_voteagainst+${seat}+${other}+`,
  done: (seat, what) => `CMD_done+${seat}+${what}`,
};

// "SEAT+NAME", the name being the rest of the text.
export function seatAndName(argument) {
  const f = new Fields(argument);
  const seat = f.int();
  return seat === null ? null : { seat, name: f.rest };
}

export function startgame(argument) {
  const f = new Fields(argument);
  const starter = f.text();
  const rounds = f.int();
  const turnTime = f.int();
  const type = f.text();
  const duplicates = f.text();
  if (rounds === null || turnTime === null || toInt(type) === null) return { starter };
  return { starter, rounds, turnTime, allScoring: type === '1', duplicates: duplicates !== '0' };
}

// Groups after the fixed fields, read with the "+@" rule.
function groups(f, size) {
  const out = [];
  let rest = f.rest === '' ? '@' : `${f.rest}+@`;
  while (rest !== '@' && rest !== '') {
    const g = [];
    for (let i = 0; i < size; i++) {
      const plus = rest.indexOf('+');
      g.push(plus < 0 ? rest : rest.slice(0, plus));
      rest = plus < 0 ? '' : rest.slice(plus + 1);
    }
    out.push(g);
  }
  return out;
}

export function startround(argument) {
  const f = new Fields(argument);
  const round = f.text();
  const letter = f.int();
  if (letter === null) return null;
  const categories = Array(CATEGORIES).fill('');
  for (const [n, text] of groups(f, 2)) {
    const i = toInt(n);
    if (i >= 1 && i <= CATEGORIES) categories[i - 1] = (text || '').toUpperCase();
  }
  return { round, letter: LETTERS[letter] || '', categories };
}

export function showcat(argument) {
  const f = new Fields(argument);
  const category = f.text();
  const count = f.int();
  if (count === null) return null;
  const answers = [];
  for (const [s, answer, dup] of groups(f, 3)) {
    const seat = toInt(s);
    if (isPlayingSeat(seat) && answer && !answers.some((a) => a.seat === seat))
      answers.push({ seat, answer, duplicate: dup === '1' });
  }
  return { category, count, answers };
}

export function postscores(argument) {
  const lines = [];
  for (const g of groups(new Fields(argument), 4)) {
    const [seat, points, votes, total] = g.map(toInt);
    if (total === null || total === undefined) return null;
    if (isPlayingSeat(seat)) lines.push({ seat, points, votes, total });
  }
  return lines;
}

export function gamestats(argument) {
  const f = new Fields(argument);
  const [seat, phase, rounds] = [f.int(), f.int(), f.int()];
  const round = f.text();
  const [turnTime, secondsLeft, letter] = [f.int(), f.int(), f.int()];
  if ([seat, phase, rounds, turnTime, secondsLeft, letter].includes(null)) return null;
  const type = f.text();
  const scores = {};
  const categories = Array(CATEGORIES).fill('');
  for (const [kind, n, value] of groups(f, 3)) {
    const i = toInt(n);
    if (!isPlayingSeat(i)) continue;
    if (kind === 's' && toInt(value) !== null) scores[i] = toInt(value);
    else if (kind === 'c') categories[i - 1] = (value || '').toUpperCase();
  }
  return { seat, phase, rounds, round, turnTime, secondsLeft, letter: LETTERS[letter] || '',
    allScoring: toInt(type) === null ? null : type === '1', scores, categories };
}

export function keptanswers(argument) {
  const f = new Fields(argument);
  const seat = f.int();
  if (seat === null) return null;
  const answers = Array(CATEGORIES).fill('');
  for (const [n, text] of groups(f, 2)) {
    const i = toInt(n);
    if (i >= 1 && i <= CATEGORIES) answers[i - 1] = text || '';
  }
  return { seat, answers };
}

// The first letter of an answer as a player means it: blanks skipped, accents
// dropped, upper case; empty for a blank answer.
export function answerInitial(answer) {
  const plain = answer.trim().normalize('NFD');
  return plain ? plain[0].toUpperCase() : '';
}

// Chat colours travel as a standard colour's name or "$" and the value 0x00BBGGRR.
const NAMED = { clBlack: 0x000000, clMaroon: 0x000080, clGreen: 0x008000, clOlive: 0x008080,
  clNavy: 0x800000, clPurple: 0x800080, clTeal: 0x808000, clGray: 0x808080, clSilver: 0xC0C0C0,
  clRed: 0x0000FF, clLime: 0x00FF00, clYellow: 0x00FFFF, clBlue: 0xFF0000, clFuchsia: 0xFF00FF,
  clAqua: 0xFFFF00, clWhite: 0xFFFFFF, clWindowText: 0, clBtnText: 0, clHighlight: 0x800000,
  clGrayText: 0x808080 };
const hex2 = (n) => n.toString(16).padStart(2, '0');

export function colourFromText(text) {
  const t = text.trim();
  let bgr = null;
  for (const [name, value] of Object.entries(NAMED))
    if (name.toLowerCase() === t.toLowerCase()) bgr = value;
  if (bgr === null && /^\$[0-9a-f]{1,8}$/i.test(t)) bgr = parseInt(t.slice(1), 16);
  if (bgr === null && /^-?\d+$/.test(t)) bgr = parseInt(t, 10);
  if (bgr === null || bgr < 0 || bgr > 0xFFFFFF) return null;
  return `#${hex2(bgr & 0xFF)}${hex2((bgr >> 8) & 0xFF)}${hex2((bgr >> 16) & 0xFF)}`;
}

export function colourToText(css) {
  const rgb = parseInt(css.slice(1), 16);
  const bgr = ((rgb & 0xFF) << 16) | (rgb & 0xFF00) | ((rgb >> 16) & 0xFF);
  for (const [name, value] of Object.entries(NAMED)) if (value === bgr) return name;
  return `$${bgr.toString(16).toUpperCase().padStart(8, '0')}`;
}

// "STYLE+TEXT|COLOUR" of a relayed chat line; a colour that does not read is red.
export function chatLine(argument) {
  const bar = argument.indexOf('|');
  const styled = bar < 0 ? argument : argument.slice(0, bar);
  const colour = bar < 0 ? null : colourFromText(argument.slice(bar + 1));
  const plus = styled.indexOf('+');
  const style = plus < 0 ? null : toInt(styled.slice(0, plus));
  if (style === null || style < 0 || style >= 15) return null;
  return { seat: style, colour: colour || '#ff0000', text: styled.slice(plus + 1).replace(/[\r\n]/g, ' ') };
}

// Game seconds the vote on a category lasts, by the number of answers.
export const votingSeconds = (n) => (n <= 0 ? 2 : n <= 3 ? 10 : n <= 6 ? 13 : 16);
