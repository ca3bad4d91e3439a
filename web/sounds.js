// The game's sounds, Ogg Vorbis made from the desktop game's own: nothing is
// fetched until the player turns the sounds on.
export const CHATTER_SOUNDS = ['<Cancel>', 'Doh', 'Cough', 'Hello', 'Thank You', 'Where have you been?',
  'Snoring', 'Sneezing', 'Sorry', 'Welcome', 'Yeehaa', 'Yippee', 'Oh No', 'Applause', 'Honk', 'Oooh',
  'Razzberry', 'Cheer', 'Woman Laughing', 'Man Laughing', 'Crying'];
const GAME_SOUNDS = ['decline', 'entered', 'finish', 'noanswer', 'roundover', 'submit', 'tick',
  'timeup', 'vote', 'winner'];
const KNOWN = new Set([...GAME_SOUNDS, ...CHATTER_SOUNDS.slice(1).map((_, i) => `wave${i + 1}`)]);

export class Sounds {
  constructor() {
    this.on = false;
    this.loaded = new Map();
  }

  enable() {
    this.on = true;
    // The short game sounds are fetched now, so the first tick is on time.
    for (const name of GAME_SOUNDS) this.audio(name);
  }

  disable() { this.on = false; }

  audio(name) {
    if (!this.loaded.has(name)) {
      const a = new Audio(`sounds/${name}.ogg`);
      a.preload = 'auto';
      this.loaded.set(name, a);
    }
    return this.loaded.get(name);
  }

  play(name) {
    const key = String(name).toLowerCase();
    if (!this.on || !KNOWN.has(key)) return;
    const a = this.audio(key);
    a.currentTime = 0;
    a.play().catch(() => { /* the browser wants a touch first */ });
  }
}
