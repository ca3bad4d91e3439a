// The page's line to the host: the WebSocket at /ws of the port the page came
// from, the sign-in, the resume token kept per host and port, and the way back
// after a drop (growing pauses, for at most two minutes) or when the page is
// shown again after the phone was locked.
import { Msg, split, seatAndName } from './wire.js';

const RECONNECT_FOR_MS = 120 * 1000;
const FIRST_PAUSE_S = 1;
// A token older than this belongs to a seat the host no longer keeps.
const TOKEN_FRESH_MS = 150 * 1000;

const storeKey = () => `lexiburst.seat.${location.host}`;

export function storedSeat() {
  try {
    const kept = JSON.parse(localStorage.getItem(storeKey()) || 'null');
    return kept && typeof kept.token === 'string' ? kept : null;
  } catch { return null; }
}

// Whether the page left a seat moments ago that the host still keeps.
export function seatStillKept() {
  const kept = storedSeat();
  return !!kept && Date.now() - (kept.seen || 0) < TOKEN_FRESH_MS;
}

export class Link {
  constructor(handlers) {
    this.handlers = handlers; // { message(name, argument), status(text), signedIn(seat), closed(why) }
    this.seat = 0;
    this.name = '';
    this.socket = null;
    this.signedIn = false;
    this.failingSince = 0;
    this.pause = FIRST_PAUSE_S;
    this.retry = 0;
    this.over = false; // the host closed the game or removed us: no way back
    this.removed = false;
    this.secondMs = 1000;
    document.addEventListener('visibilitychange', () => {
      if (document.visibilityState === 'visible') this.wake();
      else this.remember();
    });
    window.addEventListener('pagehide', () => this.remember());
    window.addEventListener('online', () => this.wake());
  }

  get host() { return location.hostname; }

  join(name) {
    this.name = name;
    this.over = false;
    this.removed = false;
    this.failingSince = 0;
    this.open();
  }

  open() {
    clearTimeout(this.retry);
    this.retry = 0;
    const url = `${location.protocol === 'https:' ? 'wss' : 'ws'}://${location.host}/ws`;
    const socket = new WebSocket(url);
    this.socket = socket;
    socket.onmessage = (e) => { if (this.socket === socket) this.receive(String(e.data)); };
    socket.onclose = (e) => { if (this.socket === socket) this.lost(e); };
  }

  send(message) {
    if (this.socket && this.socket.readyState === WebSocket.OPEN) this.socket.send(message);
  }

  receive(message) {
    const { name, argument } = split(message);
    if (!name) return;
    if (name === 'CMD_sendlogininfo') return this.signIn(argument);
    if (name === 'CMD_resumetoken') {
      const given = seatAndName(argument);
      if (given && given.seat === this.seat && /^[0-9a-f]{32,64}$/.test(given.name))
        this.keep(given.name);
      return;
    }
    if (name === 'CMD_removed') {
      this.removed = true;
      this.forget();
    }
    if (this.signedIn) this.keep();
    this.handlers.message(name, argument);
  }

  signIn(argument) {
    const seat = parseInt(argument, 10);
    if (!(seat >= 1 && seat <= 9)) return;
    this.seat = seat;
    this.signedIn = true;
    this.failingSince = 0;
    this.pause = FIRST_PAUSE_S;
    this.send(Msg.peerinfo(seat));
    const kept = storedSeat();
    if (kept && kept.token) this.send(Msg.resume(seat, kept.token));
    this.send(Msg.logininfo(seat, this.name));
    this.handlers.signedIn(seat);
  }

  // The token of the seat, and when the page last heard the host.
  keep(token) {
    const kept = storedSeat() || {};
    if (token) kept.token = token;
    if (!kept.token) return;
    kept.seen = Date.now();
    kept.name = this.name;
    try { localStorage.setItem(storeKey(), JSON.stringify(kept)); } catch { /* private mode */ }
  }

  remember() { if (this.signedIn) this.keep(); }

  forget() {
    try { localStorage.removeItem(storeKey()); } catch { /* private mode */ }
  }

  // Leaves on purpose: no way back, the seat is given up.
  leave() {
    this.over = true;
    this.forget();
    const socket = this.socket;
    this.socket = null;
    if (socket) socket.close();
    this.signedIn = false;
  }

  lost(event) {
    const wasPlaying = this.signedIn;
    this.signedIn = false;
    this.socket = null;
    // An orderly close from the host ends the game; a break is tried again.
    if (this.removed || (wasPlaying && (event.code === 1000 || event.code === 1001))) {
      this.over = true;
      const why = this.removed ? 'You were removed from the game.' : 'The host has closed the game.';
      this.handlers.status(why);
      this.handlers.closed(why);
      return;
    }
    if (this.over) return;
    const reason = event.code === 1006 ? 'connection reset' : `closed (${event.code})`;
    this.handlers.status(wasPlaying ? `Lost the connection to ${this.host}: ${reason}.`
      : `Could not reach ${this.host}: ${reason}.`);
    this.handlers.dropped();
    this.scheduleRetry();
  }

  scheduleRetry() {
    if (!this.failingSince) {
      this.failingSince = Date.now();
      this.pause = FIRST_PAUSE_S;
    }
    const left = RECONNECT_FOR_MS - (Date.now() - this.failingSince);
    if (left <= 0) {
      this.failingSince = 0;
      this.handlers.status(`Gave up trying to reach ${this.host}.`);
      this.handlers.closed('gave up');
      return;
    }
    const pauseMs = Math.min(this.pause * 1000, left);
    this.pause *= 2;
    const seconds = Math.ceil(pauseMs / 1000);
    this.handlers.status(seconds === 1 ? 'Trying again in 1 second.' : `Trying again in ${seconds} seconds.`);
    this.retry = setTimeout(() => this.open(), pauseMs);
  }

  // The page is shown again (a phone unlocked) or the network came back: a
  // dropped line is tried at once rather than after the pause.
  wake() {
    if (this.over || !this.name) return;
    const state = this.socket ? this.socket.readyState : WebSocket.CLOSED;
    if (state === WebSocket.OPEN || state === WebSocket.CONNECTING) return;
    if (!this.failingSince) this.failingSince = Date.now();
    this.open();
  }
}
