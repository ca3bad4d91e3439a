// The web client: the board, the chat, every round, the vote and the results,
// built on the host's messages as the desktop client reads them.
import * as W from './wire.js';
import { Link, storedSeat, seatStillKept } from './link.js';
import { Sounds, CHATTER_SOUNDS } from './sounds.js';

const $ = (id) => document.getElementById(id);
const params = new URLSearchParams(location.search);
const bigScreen = params.get('view') === 'big';
// Milliseconds of a game second: shorter only where a test host runs fast.
const secondMs = Math.max(1, parseInt(params.get('second') || '1000', 10) || 1000);
const DRAFT_PAUSE_S = 2;
const LATE_JOIN_MIN_S = 4;
const PHRASES = ['Way To Go!', 'Good One!', 'Nice Try!', 'Excellent!', 'Brilliant!', 'Wow, WTG!',
  'Thanks!', 'Way To Go Teamie!', 'Good Game Everyone!'];
const COLOURS = [['Navy', '#000080'], ['Blue', '#0000ff'], ['Teal', '#008080'], ['Green', '#008000'],
  ['Olive', '#808000'], ['Maroon', '#800000'], ['Red', '#ff0000'], ['Purple', '#800080'],
  ['Fuchsia', '#ff00ff'], ['Black', '#000000'], ['Gray', '#808080']];
const STATUS_COLOUR = '#0000ff';
const FREE_SEAT = '<Waiting>';

const store = {
  get(key, fallback) {
    try { const v = localStorage.getItem(`lexiburst.${key}`); return v === null ? fallback : v; }
    catch { return fallback; }
  },
  set(key, value) { try { localStorage.setItem(`lexiburst.${key}`, value); } catch { /* private mode */ } },
};

const el = (tag, props = {}, ...children) => {
  const e = Object.assign(document.createElement(tag), props);
  for (const c of children) e.append(c);
  return e;
};
const picture = (name, w, h, alt = '') =>
  el('img', { src: `img/${name}.png`, srcset: `img/${name}-2x.png 2x`, width: w, height: h, alt });

const game = {
  seats: Array.from({ length: W.SEATS + 1 }, () => ({ name: '', score: 0, bonus: 0, watching: false, done: false, away: false })),
  spectators: new Map(),
  leadSeat: 1,
  running: false,
  options: { rounds: 0, turnTime: 60, allScoring: true, duplicates: true },
  round: { round: '0', letter: '', categories: Array(W.CATEGORIES).fill('') },
  phase: 'idle', // idle, answering, voting
  countdown: 0,
  clock: 0,
  answersFinished: true,
  voteFinished: true,
  answersSent: false,
  rows: [],
  typedName: '',
};
const link = new Link({
  message: (name, argument) => handle(name, argument),
  status: (text) => statusLine(text),
  // Back after a drop: the host names everybody at the table again.
  signedIn: () => {
    for (const s of game.seats) Object.assign(s, { name: '', watching: false, done: false, away: false });
    game.spectators.clear();
    game.leadSeat = 1;
  },
  dropped: () => { setStatus('Connection lost: trying again.'); stopClock(); },
  closed: (why) => { setStatus(why); stopClock(); setPhase('idle'); },
});
const sounds = new Sounds();
const own = () => link.seat;
const ownPlays = () => link.signedIn && W.isPlayingSeat(own());
const ownLeads = () => link.signedIn && own() === game.leadSeat;
const seatName = (seat) => (W.isPlayingSeat(seat) ? game.seats[seat].name : game.spectators.get(seat) || '');

// ------------------------------------------------------------------ chat

function addChat(text, colour, bold = true) {
  const lines = $('chat-lines');
  const stick = lines.scrollTop + lines.clientHeight >= lines.scrollHeight - 8;
  const line = el('p', { className: 'line' });
  line.style.color = colour;
  let rest = text;
  const colon = rest.indexOf(':');
  if (colon >= 0) {
    line.append(el('b', { textContent: `${rest.slice(0, colon + 1)} ` }));
    rest = rest.slice(colon + 1).trimStart();
  }
  // ":)#nn" shows smiley nn - 10.
  for (const part of rest.split(/(:\)#\d\d)/)) {
    const n = /^:\)#(\d\d)$/.test(part) ? parseInt(part.slice(3), 10) - 10 : -1;
    if (n >= 0 && n < 17) line.append(picture(`smileys/${n}`, 17, 17, part));
    else if (part) line.append(bold ? el('b', { textContent: part }) : part);
  }
  lines.append(line);
  while (lines.childElementCount > 300) lines.firstElementChild.remove();
  if (stick) lines.scrollTop = lines.scrollHeight;
}
const statusLine = (text) => addChat(text, STATUS_COLOUR);
const colourText = () => W.colourToText(store.get('colour', COLOURS[0][1]));

function sendChat(text) {
  if (!link.signedIn) return;
  if (text && !text.startsWith('/')) link.send(W.Msg.chat(own(), text, colourText()));
  else if (text.startsWith('/me')) link.send(W.Msg.action(own(), text.slice(4), colourText()));
}

function sayPhrase(phrase) {
  if (!link.signedIn) return;
  link.send(phrase.startsWith('/me ') ? W.Msg.action(own(), phrase.slice(4), colourText())
    : W.Msg.action(own(), `says: ${phrase}`, colourText()));
}

// ------------------------------------------------------------------ board

function renderBoard() {
  const body = $('seats');
  body.replaceChildren();
  for (let n = 1; n <= W.SEATS; n++) {
    const s = game.seats[n];
    const name = el('td', { className: 'name' });
    name.append(s.name || FREE_SEAT);
    if (s.watching) name.append(picture('eyes', 18, 10, ' (just watching)'));
    if (s.done) name.append(el('span', { className: 'done-mark', title: 'Done', textContent: ' \u2713' }));
    if (s.away) name.append(el('span', { className: 'away-mark', textContent: ' (away)' }));
    if (n === game.leadSeat && s.name) name.append(el('span', { className: 'lead-mark', title: 'Leads the game', textContent: ' \u2605' }));
    const row = el('tr', { className: [s.name ? '' : 'free', n === own() ? 'own' : ''].join(' ').trim() },
      name, el('td', { textContent: String(s.score) }), el('td', { textContent: s.bonus > 0 ? `+${s.bonus}` : '' }));
    row.dataset.seat = n;
    body.append(row);
  }
  const watchers = [...game.spectators.values()];
  $('watchers').textContent = watchers.length ? `Spying: ${watchers.join(', ')}` : '';
  $('watch-toggle').checked = ownPlays() && game.seats[own()].watching;
  $('watch-toggle').disabled = !ownPlays();
  $('board').classList.toggle('leading', ownLeads() && !bigScreen);
  updateStartButtons();
}

function updateStartButtons() {
  const show = ownLeads() && !game.running;
  $('start-button').hidden = !show;
  $('again-button').hidden = !show;
  if (!show && $('start-form').open) $('start-form').close();
  if (!game.running)
    $('idle-text').textContent = ownLeads() ? 'You lead this game: choose the options and start it.'
      : `Waiting for ${seatName(game.leadSeat) || 'the leader'} to start the game.`;
}

// ------------------------------------------------------------------ header and phases

const VIEWS = ['idle-view', 'entry-view', 'vote-view', 'scores-view', 'winner-view'];
function show(view) {
  // A new stage starts at the top of the page, under the header.
  if (document.body.dataset.view !== view && window.scrollY > $('stage').offsetTop) window.scrollTo(0, 0);
  for (const v of VIEWS) $(v).hidden = v !== view;
  document.body.dataset.view = view;
}

function setStatus(text) { $('status').textContent = text; }

function renderHeader() {
  document.body.classList.toggle('running', game.running || game.round.round !== '0');
  $('round').textContent = `Round: ${game.round.round} of ${game.options.rounds}`;
  $('gametype').textContent = game.running ? (game.options.allScoring ? 'All Scoring' : 'One Winner Only') : '';
  const m = Math.floor(game.countdown / 60);
  const s = game.countdown % 60;
  $('time').textContent = `Time: ${m}:${String(s).padStart(2, '0')}`;
  const full = game.phase === 'answering' ? game.options.turnTime : game.voteSeconds || 1;
  $('timebar').style.width = game.clock ? `${Math.min(100, (100 * game.countdown) / Math.max(1, full))}%` : '0';
}

function startClock(seconds) {
  stopClock();
  game.countdown = seconds;
  game.clock = setInterval(tick, secondMs);
  renderHeader();
}

function stopClock() {
  clearInterval(game.clock);
  game.clock = 0;
  renderHeader();
}

function tick() {
  game.countdown -= 1;
  if (game.countdown >= 1) {
    const c = game.countdown;
    if (c === 20 || c === 15 || (game.phase === 'answering' ? c <= 10 : c < 5)) sounds.play('tick');
    renderHeader();
    return;
  }
  game.countdown = 0;
  stopClock();
  if (game.phase !== 'answering') return;
  game.phase = 'idle';
  drafts.stop();
  // The answers go out at this page's time-out unless Done sent them.
  if (ownPlays() && !game.seats[own()].watching && !game.answersFinished) {
    sendAnswers();
    sounds.play('submit');
  }
  lockAnswers('Answers Sent');
}

function setPhase(phase) { game.phase = phase; }

// ------------------------------------------------------------------ answers

const answerInputs = () => [...$('answers').querySelectorAll('input')];
const typedAnswers = () => answerInputs().map((i) => i.value);

// What was typed goes to the host while the answer time runs: at once, then
// at most once per pause, so a dropped phone keeps its answers.
const drafts = {
  sent: '', timer: 0, active: false,
  start() { this.sent = JSON.stringify(Array(W.CATEGORIES).fill('')); this.active = true; clearTimeout(this.timer); this.timer = 0; },
  stop() { this.active = false; clearTimeout(this.timer); this.timer = 0; },
  typed() { if (this.active && !this.timer) this.flush(); },
  flush() {
    if (!this.active || !ownPlays()) return;
    const answers = typedAnswers().map(W.cleanAnswer);
    const now = JSON.stringify(answers);
    if (now !== this.sent && link.signedIn) {
      link.send(W.Msg.draftanswers(own(), answers));
      this.sent = now;
    }
    clearTimeout(this.timer);
    this.timer = setTimeout(() => { this.timer = 0; this.flush(); }, DRAFT_PAUSE_S * secondMs);
  },
};

function buildAnswers(categories, values = []) {
  const list = $('answers');
  list.replaceChildren();
  categories.forEach((category, i) => {
    const id = `answer${i + 1}`;
    const input = el('input', { id, name: id, value: values[i] || '', maxLength: 60, autocomplete: 'off', spellcheck: false,
      enterKeyHint: i === W.CATEGORIES - 1 ? 'done' : 'next' });
    input.setAttribute('autocorrect', 'off');
    input.setAttribute('autocapitalize', 'off');
    input.readOnly = bigScreen;
    const warn = el('span', { className: 'warn', role: 'status' });
    const check = () => {
      const initial = W.answerInitial(input.value);
      const off = initial && initial !== game.round.letter;
      input.classList.toggle('off-letter', !!off);
      input.setAttribute('aria-invalid', off ? 'true' : 'false');
      warn.textContent = off ? `This answer does not start with ${game.round.letter}.` : '';
    };
    input.addEventListener('input', () => { check(); drafts.typed(); });
    input.addEventListener('blur', () => drafts.flush());
    input.addEventListener('keydown', (e) => {
      if (e.key !== 'Enter') return;
      e.preventDefault();
      drafts.flush();
      const next = answerInputs()[i + 1];
      if (next && !next.disabled) next.focus();
      else $('done-button').focus();
    });
    list.append(el('li', {}, el('label', { htmlFor: id, textContent: category }), input, warn));
    check();
  });
}

function sendAnswers() {
  drafts.stop();
  if (!ownPlays()) return;
  link.send(W.Msg.myanswers(own(), typedAnswers()));
  game.answersSent = true;
}

function finishAnswers() {
  if (game.phase !== 'answering' || game.answersFinished || !ownPlays() || game.seats[own()].watching) return;
  sendAnswers();
  link.send(W.Msg.done(own(), 'answers'));
  game.answersFinished = true;
  sounds.play('submit');
  lockAnswers('Answers Sent');
}

function lockAnswers(text) {
  for (const input of answerInputs()) input.disabled = true;
  $('done-button').disabled = true;
  $('entry-text').textContent = text;
}

function showEntry(values, canAnswer) {
  const r = game.round;
  $('letter').src = `img/letters/${r.letter}.png`;
  $('letter').srcset = `img/letters/${r.letter}-2x.png 2x`;
  $('letter').alt = r.letter;
  buildAnswers(r.categories, values);
  const answering = canAnswer && ownPlays() && !game.seats[own()].watching && !bigScreen;
  if (answering) {
    $('entry-text').textContent = `Fill the Categories with words that start with: ${r.letter}`;
    $('done-button').disabled = false;
  } else {
    lockAnswers(`Fill the Categories with words that start with: ${r.letter}`);
  }
  show('entry-view');
  setStatus(answering ? 'Blast the Categories!' : 'Watching the round.');
  if (answering && matchMedia('(min-width: 700px)').matches) answerInputs()[0].focus({ preventScroll: true });
}

// ------------------------------------------------------------------ vote

function showVote(vote) {
  const seats = vote.answers.map((a) => a);
  // Answers in random rows, so nobody can tell whose is whose.
  for (let i = seats.length - 1; i > 0; i--) {
    const j = Math.floor(Math.random() * (i + 1));
    [seats[i], seats[j]] = [seats[j], seats[i]];
  }
  const votes = own() <= W.SEATS && ownPlays();
  const all = game.options.allScoring;
  game.rows = seats.map((a) => ({ ...a, struck: a.duplicate && !all, result: '',
    declineOffered: votes && all, acceptOffered: votes && !a.duplicate && (all || a.seat !== own()) }));
  $('vote-heading').textContent = categoryHeading(vote.category);
  game.phase = 'voting';
  game.voteFinished = !ownPlays() || bigScreen;
  game.voteSeconds = W.votingSeconds(vote.count);
  clearDone();
  startClock(game.voteSeconds);
  renderVote(all ? "Choose to Accept or Decline Player's Answers." : 'Choose your Favorite Answer');
  show('vote-view');
  sounds.play('vote');
}

function categoryHeading(field) {
  const n = W.toInt(field);
  if (n >= 1 && n <= W.CATEGORIES && game.round.categories[n - 1].trim()) return game.round.categories[n - 1].trim();
  return field.trim().toUpperCase();
}

function renderVote(text) {
  if (text !== undefined) setStatus(text);
  const list = $('vote-rows');
  list.replaceChildren();
  const all = game.options.allScoring;
  game.rows.forEach((r, i) => {
    const buttons = el('span', { className: 'vote-buttons' });
    if (!bigScreen) {
      const decline = el('button', { type: 'button', className: 'pic vote-decline', title: 'Decline', disabled: !r.declineOffered || game.voteFinished },
        picture('decline', 29, 20, 'Decline'));
      decline.addEventListener('click', () => declineRow(i));
      const accept = el('button', { type: 'button', className: 'pic vote-accept', title: all ? 'Accept' : 'Favourite', disabled: !r.acceptOffered || game.voteFinished },
        picture(all ? 'accept' : 'favourite', 29, 20, all ? 'Accept' : 'Favourite'));
      accept.addEventListener('click', () => acceptRow(i));
      if (all) buttons.append(decline);
      buttons.append(accept);
    }
    const answer = el('span', { className: `vote-answer${r.struck ? ' struck' : ''}`, textContent: r.answer });
    list.append(el('li', { className: r.chosen ? 'chosen' : '' }, buttons, answer, el('span', { className: 'vote-result', textContent: r.result })));
  });
  $('next-button').hidden = bigScreen;
  $('next-button').disabled = game.voteFinished || game.phase !== 'voting';
}

function declineRow(i) {
  const r = game.rows[i];
  r.acceptOffered = r.declineOffered = false;
  if (ownPlays()) {
    link.send(W.Msg.voteagainst(own(), r.seat));
    r.struck = true;
    sounds.play('decline');
  }
  renderVote();
}

function acceptRow(i) {
  const r = game.rows[i];
  if (!game.options.allScoring && r.seat === own()) return;
  r.acceptOffered = r.declineOffered = false;
  if (ownPlays()) {
    sounds.play('decline');
    if (!game.options.allScoring) {
      link.send(W.Msg.votefor(own(), r.seat));
      r.chosen = true;
      for (const other of game.rows) other.acceptOffered = false;
      game.voteFinished = true;
    }
  }
  renderVote();
}

function finishVote() {
  if (game.phase !== 'voting' || game.voteFinished || !ownPlays()) return;
  link.send(W.Msg.done(own(), 'vote'));
  game.voteFinished = true;
  renderVote();
}

function clearDone() {
  for (const s of game.seats) s.done = false;
  renderBoard();
}

// ------------------------------------------------------------------ results

function standings() {
  const lines = [];
  for (let n = 1; n <= W.SEATS; n++) {
    const s = game.seats[n];
    // A big screen watches the whole game: it is no player of the standings.
    if (s.name && !(s.watching && s.score === 0)) lines.push({ name: s.name, score: s.score });
  }
  lines.sort((a, b) => b.score - a.score); // stable: ties keep seat order
  return lines;
}

function fillStandings(list) {
  list.replaceChildren(...standings().map((l) => el('li', { textContent: `${l.name} : ${l.score}` })));
}

// ------------------------------------------------------------------ messages

const handlers = {
  CMD_chat: chatReceived,
  CMD_action: chatReceived,
  CMD_playasound(argument) {
    const f = new W.Fields(argument);
    const seat = f.int();
    const sound = f.text();
    if (seat === null) return;
    if (sounds.on) return sounds.play(sound);
    const title = CHATTER_SOUNDS[parseInt(sound.replace(/^wave/i, ''), 10)];
    if (W.isPlayingSeat(seat) && title && /^wave\d+$/i.test(sound))
      addChat(`${game.seats[seat].name}: <Chatter Sound> ${title}`, STATUS_COLOUR);
  },
  CMD_newplayerinfo: arrived,
  CMD_existingplayers: arrived,
  CMD_havewrongversion: (name) => statusLine(`${name} has a different version of the game then you.`),
  CMD_wrongversion: () => statusLine('You have a differnt version of the game then the host.'),
  CMD_playerdisconnected(argument) {
    const p = W.seatAndName(argument);
    if (!p) return;
    if (W.isPlayingSeat(p.seat)) {
      const leaving = game.seats[p.seat].name;
      Object.assign(game.seats[p.seat], { name: '', watching: false, done: false, away: false });
      if (leaving) statusLine(`${leaving} disconnected.`);
    } else if (game.spectators.get(p.seat) === p.name) {
      game.spectators.delete(p.seat);
      statusLine(`${p.name} has left.`);
    }
    renderBoard();
  },
  CMD_full() {
    statusLine('Game is full');
    link.leave();
    showSignIn('Game is full');
  },
  CMD_justwatching(argument) {
    const f = new W.Fields(argument);
    const seat = f.int();
    if (!W.isPlayingSeat(seat)) return;
    const watching = f.rest === '1';
    statusLine(`${game.seats[seat].name}${watching ? ' is just watching' : ' is now playing again'}`);
    game.seats[seat].watching = watching;
    if (seat === own() && watching && game.phase === 'answering') {
      // Watching from now on: the host forgets what was typed this round.
      drafts.flush();
      link.send(W.Msg.draftanswers(own(), Array(W.CATEGORIES).fill('')));
      drafts.stop();
      if (!bigScreen) lockAnswers('Just watching this round.');
    }
    renderBoard();
  },
  CMD_startgame(argument) {
    const start = W.startgame(argument);
    statusLine(game.running ? `${start.starter} has restarted the game; scores are back to 0.`
      : `${start.starter} has started a game.`);
    if (start.rounds === undefined) return;
    game.options = start;
    for (const s of game.seats) Object.assign(s, { score: 0, bonus: 0, watching: false });
    game.round = { round: '1', letter: '', categories: Array(W.CATEGORIES).fill('') };
    game.running = true;
    $('start-form').open && $('start-form').close();
    if (bigScreen || $('watch-on-join').checked) watchFromStart();
    renderBoard();
    renderHeader();
    setStatus('Get ready!');
  },
  CMD_winner(argument) {
    const name = argument.endsWith('+') ? argument.slice(0, -1) : argument;
    const won = W.isPlayingSeat(own()) && game.seats[own()].name === name;
    stopClock();
    game.countdown = 0;
    game.phase = 'idle';
    game.running = false;
    for (const seat of game.seats) seat.done = false;
    statusLine(won ? 'You have Won the Game!' : `${name} has Won the Game!`);
    sounds.play('winner');
    $('winner-text').textContent = won ? 'You have Won the Game!' : `${name} has Won the Game!`;
    fillStandings($('final-standings'));
    show('winner-view');
    setStatus('Game Over!');
    renderBoard();
    renderHeader();
  },
  CMD_startround(argument) {
    const round = W.startround(argument);
    if (!round) return;
    game.round = round;
    game.running = true;
    for (const s of game.seats) s.bonus = 0;
    game.phase = 'answering';
    game.answersFinished = false;
    game.answersSent = false;
    game.voteFinished = true;
    clearDone();
    drafts.start();
    startClock(game.options.turnTime);
    showEntry([], true);
    sounds.play('submit');
  },
  CMD_endround() {
    drafts.stop();
    if (game.phase === 'answering') {
      game.phase = 'idle';
      stopClock();
    }
    lockAnswers('Answers Sent');
    clearDone();
    setStatus('Prepare to Vote.');
    sounds.play('timeup');
  },
  CMD_showcat(argument) {
    const vote = W.showcat(argument);
    if (vote) showVote(vote);
  },
  CMD_postscores(argument) {
    game.voteFinished = true;
    for (const r of game.rows) r.acceptOffered = r.declineOffered = false;
    for (const line of W.postscores(argument) || []) {
      const row = game.rows.find((r) => r.seat === line.seat);
      if (row && game.seats[line.seat].name) row.result = `${game.seats[line.seat].name} VOTES: ${line.votes}`;
      game.seats[line.seat].bonus = line.points > 0 ? line.points : 0;
      game.seats[line.seat].score = line.total;
    }
    game.phase = 'idle';
    game.countdown = 0;
    stopClock();
    renderVote('Posting Scores.. Please Wait.');
    clearDone();
    sounds.play('finish');
  },
  CMD_noanswers(argument) {
    game.rows = [];
    game.voteFinished = true;
    for (const s of game.seats) s.bonus = 0;
    $('vote-heading').textContent = categoryHeading(new W.Fields(argument).text());
    renderVote('No Answers Submitted.');
    show('vote-view');
    renderBoard();
    sounds.play('noanswer');
  },
  CMD_roundover() {
    clearDone();
    fillStandings($('standings'));
    show('scores-view');
    setStatus('Round is Over!');
    sounds.play('roundover');
  },
  CMD_gamestats(argument) {
    const snap = W.gamestats(argument);
    if (!snap || snap.seat !== own()) return;
    for (const [n, score] of Object.entries(snap.scores)) game.seats[n].score = score;
    game.options = { ...game.options, rounds: snap.rounds, turnTime: snap.turnTime };
    if (snap.allScoring !== null) game.options.allScoring = snap.allScoring;
    game.round = { round: snap.round, letter: snap.letter, categories: snap.categories };
    game.running = true;
    if (bigScreen || $('watch-on-join').checked) watchFromStart();
    const canAnswer = snap.secondsLeft > LATE_JOIN_MIN_S && snap.phase === 1;
    game.answersFinished = !canAnswer;
    game.answersSent = false;
    game.voteFinished = true;
    if (snap.secondsLeft > LATE_JOIN_MIN_S) startClock(snap.secondsLeft);
    else game.countdown = snap.secondsLeft;
    game.phase = canAnswer ? 'answering' : 'idle';
    if (snap.phase === 1) {
      const kept = game.phase === 'answering' ? typedAnswers() : [];
      showEntry(kept, canAnswer);
      if (canAnswer) { drafts.start(); drafts.flush(); }
    } else {
      show('idle-view');
      $('idle-text').textContent = 'A game is under way: you play from the next category on.';
    }
    renderBoard();
    renderHeader();
  },
  CMD_oneanswer() { },
  CMD_tiegame() {
    setStatus('Tie Game - You will play another round');
    statusLine('Tie Game - You will play another round');
  },
  CMD_keptanswers(argument) {
    const kept = W.keptanswers(argument);
    if (!kept || kept.seat !== own()) return;
    // What the player had sent fills the boxes still empty.
    answerInputs().forEach((input, i) => {
      if (!input.value && kept.answers[i]) {
        input.value = kept.answers[i];
        input.dispatchEvent(new Event('input'));
      }
    });
  },
  CMD_playerdone(argument) {
    const f = new W.Fields(argument);
    const seat = f.int();
    if (W.isPlayingSeat(seat)) {
      game.seats[seat].done = true;
      renderBoard();
    }
  },
  CMD_leads(argument) {
    const p = W.seatAndName(argument);
    if (!p || p.seat < 1 || p.seat > W.SPECTATOR_SEAT) return;
    game.leadSeat = p.seat;
    statusLine(`${p.name} now leads the game.`);
    renderBoard();
  },
  CMD_playerback(argument) {
    const p = W.seatAndName(argument);
    if (!p) return;
    statusLine(p.seat === own() ? 'Welcome back: your answers were kept.' : `${p.name} is back.`);
    if (W.isPlayingSeat(p.seat)) Object.assign(game.seats[p.seat], { name: p.name, away: false });
    renderBoard();
  },
  CMD_playerremoved(argument) {
    const p = W.seatAndName(argument);
    if (!p) return;
    if (W.isPlayingSeat(p.seat)) Object.assign(game.seats[p.seat], { name: '', watching: false, away: false });
    else game.spectators.delete(p.seat);
    statusLine(`${p.name} was removed from the game.`);
    renderBoard();
  },
  CMD_takesover(argument) {
    const f = new W.Fields(argument);
    const seat = f.int();
    const score = f.int();
    const departed = f.text();
    if (!W.isPlayingSeat(seat) || score === null || f.atEnd) return;
    game.seats[seat].score = score;
    statusLine(`${f.rest} takes over the seat of ${departed} with ${score} point${score === 1 ? '' : 's'}.`);
    renderBoard();
  },
  CMD_away(argument) {
    const f = new W.Fields(argument);
    const seat = f.int();
    const seconds = f.int();
    if (!W.isPlayingSeat(seat) || seconds === null || seconds < 0 || f.atEnd) return;
    Object.assign(game.seats[seat], { name: f.rest, away: true });
    statusLine(`${f.rest} disconnected; the seat is kept for ${spokenDuration(seconds)}.`);
    renderBoard();
  },
  CMD_notice: (text) => statusLine(text),
};

function spokenDuration(seconds) {
  const count = (n, unit) => `${n} ${unit}${n === 1 ? '' : 's'}`;
  const minutes = Math.floor(seconds / 60);
  const rest = seconds % 60;
  if (!minutes) return count(rest, 'second');
  return rest ? `${count(minutes, 'minute')} ${count(rest, 'second')}` : count(minutes, 'minute');
}

function chatReceived(argument) {
  const line = W.chatLine(argument);
  if (line) addChat(line.text, line.colour);
}

function arrived(argument) {
  const p = W.seatAndName(argument);
  if (!p) return;
  const isOwn = p.seat === own();
  statusLine(isOwn ? 'You are Connected.' : `${p.name} is Connected.`);
  if (isOwn) {
    if (game.typedName && p.name !== game.typedName)
      statusLine(`The name ${game.typedName} was taken or too long: you play as ${p.name}.`);
    joined();
  }
  if (W.isPlayingSeat(p.seat)) {
    Object.assign(game.seats[p.seat], { name: p.name, away: false });
  } else if (p.seat === W.SPECTATOR_SEAT) {
    game.spectators.set(p.seat, p.name);
    statusLine(isOwn ? 'You are spying.' : `${p.name} is spying.`);
  }
  renderBoard();
  sounds.play('entered');
}

function handle(name, argument) {
  const handler = handlers[name];
  if (handler) handler(argument);
}

// ------------------------------------------------------------------ joining

function watchFromStart() {
  if (ownPlays()) link.send(W.Msg.justwatch(own(), true));
}

function joined() {
  $('signin').hidden = true;
  $('game').hidden = false;
  document.body.classList.add('playing');
  if (!game.running) show('idle-view');
}

function showSignIn(note) {
  $('signin').hidden = false;
  $('game').hidden = true;
  document.body.classList.remove('playing');
  $('signin-note').textContent = note || '';
}

function join(name) {
  game.typedName = name;
  for (const s of game.seats) Object.assign(s, { name: '', score: 0, bonus: 0, watching: false, done: false, away: false });
  game.spectators.clear();
  game.leadSeat = 1;
  game.running = false;
  $('chat-lines').replaceChildren();
  statusLine('Loading Multi-player Game.. Please Wait.');
  link.join(name);
  joined();
  show('idle-view');
  $('idle-text').textContent = 'Connecting...';
}

// ------------------------------------------------------------------ the leader's say

// The leader removes a player or sets a seat to watch, as from the desktop board.
function wireSeatMenu() {
  const menu = $('seat-menu');
  let seat = 0;
  $('seats').addEventListener('click', (e) => {
    const row = e.target.closest('tr');
    seat = row ? Number(row.dataset.seat) : 0;
    if (!seat || !ownLeads() || bigScreen || !game.seats[seat].name) return;
    $('seat-menu-name').textContent = game.seats[seat].name;
    $('seat-remove').hidden = seat === own();
    $('seat-watch').hidden = game.seats[seat].watching || !game.running;
    $('seat-play').hidden = !game.seats[seat].watching;
    menu.showModal();
  });
  menu.addEventListener('close', () => {
    const name = game.seats[seat].name;
    if (!ownLeads() || !name) return;
    if (menu.returnValue === 'remove' && confirm(`Remove ${name} from the game?`))
      link.send(W.Msg.kickhim(own(), seat));
    else if (menu.returnValue === 'watch' || menu.returnValue === 'play')
      link.send(W.Msg.justwatch(seat, menu.returnValue === 'watch'));
  });
}

// ------------------------------------------------------------------ start form

const startChoice = {
  rounds: parseInt(store.get('rounds', '3'), 10) || 3,
  time: parseInt(store.get('time', '60'), 10) || 60,
  allScoring: store.get('allScoring', '1') === '1',
  duplicates: store.get('duplicates', '1') === '1',
};

function renderStartForm() {
  $('rounds').textContent = startChoice.rounds;
  $('creation-time').textContent = startChoice.time;
  const mark = (id, on) => {
    $(id).setAttribute('aria-pressed', on ? 'true' : 'false');
    const img = $(id).querySelector('img');
    img.src = `img/box_${on ? 'on' : 'off'}.png`;
    img.srcset = `img/box_${on ? 'on' : 'off'}-2x.png 2x`;
  };
  mark('opt-all', startChoice.allScoring);
  mark('opt-one', !startChoice.allScoring);
  mark('opt-dup', startChoice.duplicates);
  $('opt-dup').disabled = startChoice.allScoring;
}

function wireStartForm() {
  const form = $('start-form');
  const open = () => { renderStartForm(); form.showModal(); };
  $('start-button').addEventListener('click', open);
  $('again-button').addEventListener('click', open);
  form.addEventListener('click', (e) => {
    const b = e.target.closest('button');
    if (!b) return;
    if (b.dataset.step === 'rounds') startChoice.rounds = Math.min(10, Math.max(1, startChoice.rounds + Number(b.dataset.by)));
    if (b.dataset.step === 'time') startChoice.time = Math.min(120, Math.max(30, startChoice.time + Number(b.dataset.by)));
    if (b.id === 'opt-all') { startChoice.allScoring = true; startChoice.duplicates = true; }
    if (b.id === 'opt-one') startChoice.allScoring = false;
    if (b.id === 'opt-dup' && !startChoice.allScoring) startChoice.duplicates = !startChoice.duplicates;
    renderStartForm();
  });
  form.addEventListener('close', () => {
    if (form.returnValue !== 'start' || !ownLeads()) return;
    const c = startChoice;
    link.send(W.Msg.startgame(seatName(own()) || game.typedName, c.rounds, c.time, c.allScoring, c.duplicates));
    store.set('rounds', c.rounds);
    store.set('time', c.time);
    store.set('allScoring', c.allScoring ? '1' : '0');
    store.set('duplicates', c.duplicates ? '1' : '0');
  });
}

// ------------------------------------------------------------------ controls

function wireControls() {
  $('signin-form').addEventListener('submit', (e) => {
    e.preventDefault();
    const name = $('name-input').value.replace(/\s+/g, ' ').trim().slice(0, 30);
    if (!name) return;
    store.set('name', name);
    join(name);
  });
  $('done-button').addEventListener('click', finishAnswers);
  $('entry-view').addEventListener('submit', (e) => e.preventDefault());
  $('next-button').addEventListener('click', finishVote);
  $('chat-form').addEventListener('submit', (e) => {
    e.preventDefault();
    sendChat($('chat-input').value);
    $('chat-input').value = '';
  });
  PHRASES.forEach((phrase, i) => {
    const b = el('button', { type: 'button', className: 'pic phrase', title: phrase }, picture(`phrase${i + 1}`, 25, 19, phrase));
    b.addEventListener('click', () => sayPhrase(phrase));
    $('phrases').append(b);
  });
  const popup = (button, list) => {
    $(button).addEventListener('click', () => {
      const wasHidden = $(list).hidden;
      $('sound-list').hidden = $('smiley-list').hidden = true;
      $(list).hidden = !wasHidden;
    });
  };
  popup('sounds-button', 'sound-list');
  popup('smileys-button', 'smiley-list');
  CHATTER_SOUNDS.forEach((title, n) => {
    if (!n) return;
    const b = el('button', { type: 'button', textContent: title });
    b.addEventListener('click', () => {
      $('sound-list').hidden = true;
      if (link.signedIn) link.send(W.Msg.playasound(own(), n));
    });
    $('sound-list').append(b);
  });
  for (let n = 0; n < 17; n++) {
    const b = el('button', { type: 'button', className: 'pic', title: `:)#${n + 10}` }, picture(`smileys/${n}`, 17, 17, `:)#${n + 10}`));
    b.addEventListener('click', () => {
      $('smiley-list').hidden = true;
      const input = $('chat-input');
      input.value = `${input.value}:)#${n + 10}`;
      input.focus();
    });
    $('smiley-list').append(b);
  }
  $('menu-button').addEventListener('click', () => {
    const menu = $('menu');
    menu.hidden = !menu.hidden;
    $('menu-button').setAttribute('aria-expanded', String(!menu.hidden));
  });
  const soundToggle = $('sound-toggle');
  soundToggle.checked = store.get('sounds', '0') === '1';
  if (soundToggle.checked) sounds.enable();
  soundToggle.addEventListener('change', () => {
    store.set('sounds', soundToggle.checked ? '1' : '0');
    if (soundToggle.checked) sounds.enable(); else sounds.disable();
  });
  $('watch-toggle').addEventListener('change', (e) => {
    if (ownPlays()) link.send(W.Msg.justwatch(own(), e.target.checked));
    renderBoard();
  });
  const colours = $('colour-choice');
  for (const [name, value] of COLOURS) colours.append(el('option', { value, textContent: name }));
  colours.value = store.get('colour', COLOURS[0][1]);
  colours.style.color = colours.value;
  colours.addEventListener('change', () => { store.set('colour', colours.value); colours.style.color = colours.value; });
  $('leave-button').addEventListener('click', () => {
    link.leave();
    stopClock();
    $('menu').hidden = true;
    showSignIn('You left the game.');
  });
}

// ------------------------------------------------------------------ start

function main() {
  if (bigScreen) document.body.classList.add('big');
  wireControls();
  wireStartForm();
  wireSeatMenu();
  renderBoard();
  renderHeader();
  const remembered = store.get('name', '');
  $('name-input').value = remembered;
  const kept = storedSeat();
  if (bigScreen) {
    join(params.get('name') || 'Big Screen');
  } else if (remembered && kept && seatStillKept()) {
    // The tab was closed or the phone dropped moments ago: back to the seat.
    join(kept.name || remembered);
  } else {
    showSignIn();
  }
}

main();
