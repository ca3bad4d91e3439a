#!/usr/bin/env bash
# Generates every sound of the game: the ten game sounds, synthesised with sox, and the
# twenty chatter sounds, spoken by espeak-ng or synthesised, into the folder given
# (default: resources/sounds beside this script).
#
# Output: 16-bit PCM mono WAV at 22050 Hz, peak at -3 dBFS, 5 ms fades at both ends so
# no sound starts or stops with a click. The result is the same on every run: sox runs
# in repeatable mode (-R, fixed noise seeds) and the random clap timings come from a
# seeded generator.
set -euo pipefail

here=$(cd "$(dirname "$0")" && pwd)
out=${1:-$here/../resources/sounds}
mkdir -p "$out"
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

readonly RATE=22050          # rate of the delivered files
readonly WORK_RATE=44100     # synthesis rate, so square and sawtooth waves alias less
readonly PEAK_DB=-3
readonly FADE=0.005
readonly MAX_LENGTH=1.5      # seconds, for every sound but the crowd noises
readonly CROWD_LENGTH=2.1

sx() { sox -R -V1 "$@"; }

# synth FILE SECONDS SYNTH-ARGS... [-- EFFECTS...]: one mono synthesised piece.
synth() {
  local file=$1 seconds=$2
  shift 2
  local args=() effects=()
  while [ $# -gt 0 ] && [ "$1" != "--" ]; do args+=("$1"); shift; done
  [ $# -gt 0 ] && shift
  effects=("$@")
  sx -n -r $WORK_RATE -c 1 "$work/$file" synth "$seconds" "${args[@]}" "${effects[@]}"
}

# tone FILE SECONDS TYPE FREQ: a note that decays like a struck or plucked sound.
tone() {
  local file=$1 seconds=$2 type=$3 freq=$4
  synth "$file" "$seconds" "$type" "$freq" -- fade t 0.004 "$seconds" "$seconds" fade q 0 "$seconds" "$seconds"
}

# chord FILE SECONDS TYPE FREQ...: several decaying tones sounding together.
chord() {
  local file=$1 seconds=$2 type=$3
  shift 3
  local parts=() i=0
  for f in "$@"; do
    tone "_chord$i.wav" "$seconds" "$type" "$f"
    parts+=("$work/_chord$i.wav")
    i=$((i + 1))
  done
  if [ ${#parts[@]} -eq 1 ]; then cp "${parts[0]}" "$work/$file"; else sx -m "${parts[@]}" "$work/$file"; fi
}

# delayed FILE SECONDS: FILE preceded by SECONDS of silence, written as d_FILE.
delayed() {
  sx "$work/$1" "$work/d_$1" pad "$2"
}

# mix OUT FILE...: the pieces sounding together (sox scales each by 1/count, so the sum
# cannot clip; the final level is set by norm in deliver).
mix() {
  local result=$1
  shift
  local inputs=()
  for f in "$@"; do inputs+=("$work/$f"); done
  if [ ${#inputs[@]} -eq 1 ]; then
    cp "${inputs[0]}" "$work/$result"
  else
    sx -m "${inputs[@]}" "$work/$result"
  fi
}

# join OUT FILE...: the pieces one after the other.
join() {
  local result=$1
  shift
  local inputs=()
  for f in "$@"; do inputs+=("$work/$f"); done
  sx "${inputs[@]}" "$work/$result"
}

# speak FILE VOICE PITCH SPEED TEXT: speech without the silence espeak-ng adds around it.
speak() {
  local file=$1 voice=$2 pitch=$3 speed=$4 text=$5
  espeak-ng -v "$voice" -p "$pitch" -s "$speed" -w "$work/_speech.wav" "$text"
  sx "$work/_speech.wav" -r $WORK_RATE -c 1 "$work/$file" \
    silence 1 0.01 0.3% reverse silence 1 0.01 0.3% reverse
}

length() { soxi -D "$1"; }

# deliver NAME FILE [MAX-SECONDS]: the final file, at most MAX-SECONDS long.
deliver() {
  local name=$1 file=$2 limit=${3:-$MAX_LENGTH}
  local tempo_effect=()
  local len
  len=$(length "$work/$file")
  # Speech that runs long is spoken faster rather than cut off.
  if awk -v l="$len" -v m="$limit" 'BEGIN { exit !(l > m) }'; then
    tempo_effect=(tempo -s "$(awk -v l="$len" -v m="$limit" 'BEGIN { printf "%.3f", l / (m - 0.02) }')")
  fi
  sx "$work/$file" "$work/_rated.wav" "${tempo_effect[@]}" channels 1 rate -v $RATE trim 0 "$limit"
  len=$(length "$work/_rated.wav")
  sx "$work/_rated.wav" -b 16 -e signed-integer "$out/$name.wav" \
    highpass 30 fade h $FADE "$len" $FADE norm $PEAK_DB
}

# --- game sounds -----------------------------------------------------------------------

# tick: short woody click, a damped knock with a little attack noise.
synth tick_body.wav 0.07 sine 880 -- fade t 0.001 0.07 0.068 fade t 0 0.07 0.07
synth tick_knock.wav 0.07 sine 1650 -- fade t 0.001 0.03 0.029 pad 0 0.04
synth tick_noise.wav 0.07 pinknoise -- band 2500 1500 fade t 0.0005 0.012 0.011 pad 0 0.058 vol 0.5
mix tick.wav tick_body.wav tick_knock.wav tick_noise.wav
deliver tick tick.wav

# timeup: buzzer, two detuned saw waves, slightly gritty.
synth timeup.wav 0.75 sawtooth 116 -- lowpass 2200 overdrive 8 fade h 0.01 0.75 0.06
synth timeup2.wav 0.75 square 122.5 -- lowpass 1800 fade h 0.01 0.75 0.06 vol 0.6
mix timeup_mix.wav timeup.wav timeup2.wav
deliver timeup timeup_mix.wav

# submit: a soft upward whoosh into a bright two-note chime (the round begins).
synth whoosh.wav 0.35 pinknoise -- sinc 400-3000 fade q 0.25 0.35 0.1 vol 0.35
tone chime1.wav 0.6 sine 1318.5
tone chime2.wav 0.6 sine 1975.5
tone chime3.wav 0.6 sine 2637
mix chime.wav chime1.wav chime2.wav chime3.wav
delayed chime.wav 0.22
mix submit.wav whoosh.wav d_chime.wav
deliver submit submit.wav

# finish: little fanfare, a rising major arpeggio with a held top note.
chord f1.wav 0.14 triangle 523.3 1046.5
chord f2.wav 0.14 triangle 659.3 1318.5
chord f3.wav 0.14 triangle 784.0 1568.0
chord f4.wav 0.6 triangle 1046.5 1318.5 1568.0
join finish.wav f1.wav f2.wav f3.wav f4.wav
deliver finish finish.wav

# winner: bright major arpeggio up two octaves ending on a full chord with sparkle.
i=0
parts=()
for f in 523.3 659.3 784.0 1046.5 1318.5 1568.0; do
  chord "w$i.wav" 0.09 square "$f"
  sx "$work/w$i.wav" "$work/wl$i.wav" lowpass 3500
  parts+=("wl$i.wav")
  i=$((i + 1))
done
chord wchord.wav 0.9 sawtooth 1046.5 1318.5 1568.0 2093.0
sx "$work/wchord.wav" "$work/wchordl.wav" lowpass 4000 tremolo 9 20
join winner_run.wav "${parts[@]}" wchordl.wav
synth sparkle.wav 1.44 sine 3136 sine 4186 -- remix - fade t 0.6 1.44 0.8 vol 0.15
mix winner.wav winner_run.wav sparkle.wav
deliver winner winner.wav

# vote: soft pop, a fast downward pitch drop (a category comes up for the vote).
synth vote.wav 0.09 sine 1100-220 -- fade t 0.002 0.09 0.08
deliver vote vote.wav

# decline: low thud.
synth thud.wav 0.28 sine 140-45 -- fade t 0.002 0.28 0.27 fade q 0 0.28 0.2
synth thud_noise.wav 0.28 brownnoise -- lowpass 400 fade t 0.001 0.06 0.055 pad 0 0.22
mix decline.wav thud.wav thud_noise.wav
deliver decline decline.wav

# entered: door bell, "ding" then "dong".
chord ding.wav 0.55 sine 659.3 1318.5 1977.9
chord dong.wav 0.85 sine 523.3 1046.5 1569.8
delayed dong.wav 0.4
mix entered.wav ding.wav d_dong.wav
deliver entered entered.wav

# noanswer: two descending notes, a soft "wah wah".
synth na1.wav 0.3 square 392 -- lowpass 1200 fade h 0.02 0.3 0.08
synth na2.wav 0.55 square 293.7 -- lowpass 900 tremolo 6 25 fade h 0.02 0.55 0.3
join noanswer.wav na1.wav na2.wav
deliver noanswer noanswer.wav

# roundover: gong-like chime, inharmonic partials that die away slowly.
chord gong.wav 1.45 sine 196 294.8 447.2 631 902
sx "$work/gong.wav" "$work/gong_w.wav" tremolo 3.5 15 reverb 30
deliver roundover gong_w.wav

# --- chatter sounds --------------------------------------------------------------------

# 1 Doh
speak doh.wav en-us+m3 25 150 "D'oh!"
deliver wave1 doh.wav

# 2 Cough: two bursts of throaty noise with a short voiced start.
synth cough_burst.wav 0.22 pinknoise -- band 700 900 fade t 0.005 0.22 0.17 overdrive 6
synth cough_voice.wav 0.22 sawtooth 130 -- lowpass 900 fade t 0.005 0.22 0.19 vol 0.35
mix cough1.wav cough_burst.wav cough_voice.wav
synth gap.wav 0.12 sine 0 -- vol 0
sx "$work/cough1.wav" "$work/cough2.wav" pitch -150 vol 0.8
join cough.wav cough1.wav gap.wav cough2.wav
deliver wave2 cough.wav

# 3 Hello
speak hello.wav en-us+m2 55 160 "Hello!"
deliver wave3 hello.wav

# 4 Thank You
speak thanks.wav en-us+f2 60 160 "Thank you!"
deliver wave4 thanks.wav

# 5 Where have you been?
speak where.wav en-us+m1 50 190 "Where have you been?"
deliver wave5 where.wav

# 6 Snoring: a rattling inhale and a breathy exhale.
synth snore_air.wav 0.8 brownnoise -- lowpass 500 fade q 0.35 0.8 0.15
synth snore_voice.wav 0.8 sawtooth 68 -- lowpass 350 fade q 0.4 0.8 0.15 vol 0.7
mix snore_raw.wav snore_air.wav snore_voice.wav
sx "$work/snore_raw.wav" "$work/snore_in.wav" tremolo 32 90
synth snore_out.wav 0.6 pinknoise -- band 1600 1200 fade q 0.1 0.6 0.45 vol 0.25
join snore.wav snore_in.wav snore_out.wav
deliver wave6 snore.wav

# 7 Sneezing: "ah... ah... choo" with a burst of air on the last syllable.
speak sneeze_ah.wav en-us+f1 85 170 "ah. ah."
speak sneeze_choo.wav en-us+f1 70 220 "choo!"
synth sneeze_air.wav 0.25 whitenoise -- highpass 2500 fade t 0.002 0.25 0.22 vol 0.6
mix sneeze_last.wav sneeze_choo.wav sneeze_air.wav
join sneeze.wav sneeze_ah.wav sneeze_last.wav
deliver wave7 sneeze.wav

# 8 Sorry
speak sorry.wav en-us+m3 45 150 "Sorry."
deliver wave8 sorry.wav

# 9 Welcome
speak welcome.wav en-us+f3 60 160 "Welcome!"
deliver wave9 welcome.wav

# 10 Yeehaa
speak yeehaa.wav en-us+m4 80 190 "Yee haa!"
deliver wave10 yeehaa.wav

# 11 Yippee
speak yippee.wav en-us+f4 90 200 "Yippee!"
deliver wave11 yippee.wav

# 12 Oh No
speak ohno.wav en-us+m1 35 130 "Oh no!"
deliver wave12 ohno.wav

# 13 Applause: many hand claps at pseudo-random moments over a soft noise bed.
for v in 0 1 2; do
  synth "clap$v.wav" 0.03 whitenoise -- band "$((900 + v * 500))" 900 fade t 0.0005 0.03 0.028
done
synth gap0.wav 0.005 sine 0 -- vol 0
applause_layers() {
  # applause_layers PREFIX SECONDS LAYERS SEED: writes PREFIX_N.wav, one clapping hand pair each.
  local prefix=$1 seconds=$2 layers=$3 seed=$4 n
  for ((n = 0; n < layers; n++)); do
    local pieces=() t=0 k=0
    while read -r gap variant; do
      sx -n -r $WORK_RATE -c 1 "$work/_g${n}_$k.wav" trim 0 "$gap"
      pieces+=("$work/_g${n}_$k.wav" "$work/clap$variant.wav")
      k=$((k + 1))
    done < <(awk -v seed="$((seed + n))" -v total="$seconds" 'BEGIN {
        srand(seed); t = rand() * 0.12
        printf "%.4f %d\n", t + 0.001, int(rand() * 3)
        while (t < total - 0.2) { g = 0.09 + rand() * 0.1; t += g + 0.03; printf "%.4f %d\n", g, int(rand() * 3) }
      }')
    sx "${pieces[@]}" "$work/${prefix}_$n.wav"
  done
}
applause_layers hands 2.0 10 1301
synth applause_bed.wav 2.0 pinknoise -- band 1500 1500 vol 0.15
layers=(); for n in $(seq 0 9); do layers+=("hands_$n.wav"); done
mix applause_raw.wav "${layers[@]}" applause_bed.wav
sx "$work/applause_raw.wav" "$work/applause.wav" fade q 0.15 2.0 0.7 trim 0 2.0
deliver wave13 applause.wav "$CROWD_LENGTH"

# 14 Honk: two honks of a square-wave car horn.
synth honk1.wav 0.28 square 349.2 square 440 -- remix - lowpass 2500 overdrive 10 fade h 0.01 0.28 0.04
synth honk_gap.wav 0.08 sine 0 -- vol 0
synth honk2.wav 0.45 square 349.2 square 440 -- remix - lowpass 2500 overdrive 10 fade h 0.01 0.45 0.08
join honk.wav honk1.wav honk_gap.wav honk2.wav
deliver wave14 honk.wav

# 15 Oooh
speak oooh.wav en-us+f2 70 80 "Ooooh."
deliver wave15 oooh.wav

# 16 Razzberry: low buzzy sawtooth with a fluttering tremolo.
synth razz.wav 0.9 sawtooth 95 sawtooth 98 -- remix - lowpass 1400 tremolo 24 70 overdrive 12 fade h 0.02 0.9 0.15
deliver wave16 razz.wav

# 17 Cheer: a few voices shouting over clapping.
speak cheer_a.wav en-us+m3 60 170 "Yeah!"
speak cheer_b.wav en-us+f3 85 180 "Woo hoo!"
speak cheer_c.wav en-us+m6 40 160 "Yay!"
speak cheer_d.wav en-us+f5 95 200 "Whoo!"
delayed cheer_b.wav 0.15
delayed cheer_c.wav 0.35
delayed cheer_d.wav 0.6
speak cheer_e.wav en-us+m2 70 190 "Wooo!"
delayed cheer_e.wav 0.95
sx "$work/applause_raw.wav" "$work/cheer_claps.wav" vol 0.6 fade q 0.05 2.0 0.8
mix cheer_voices.wav cheer_a.wav d_cheer_b.wav d_cheer_c.wav d_cheer_d.wav d_cheer_e.wav
sx "$work/cheer_voices.wav" "$work/cheer_voices_r.wav" reverb 40 pad 0 1
mix cheer_raw.wav cheer_voices_r.wav cheer_claps.wav
sx "$work/cheer_raw.wav" "$work/cheer.wav" trim 0 2.0
deliver wave17 cheer.wav "$CROWD_LENGTH"

# 18 Woman Laughing
speak laugh_w.wav en-us+f4 90 230 "ha ha ha ha ha!"
sx "$work/laugh_w.wav" "$work/laugh_w2.wav" tremolo 5 20
deliver wave18 laugh_w2.wav

# 19 Man Laughing
speak laugh_m.wav en-us+m3 20 200 "ho ho ho ha ha!"
deliver wave19 laugh_m.wav

# 20 Crying: a wobbling, sobbing wail.
speak cry.wav en-us+f3 95 90 "waaaah, waah"
sx "$work/cry.wav" "$work/cry2.wav" tremolo 7 45 pitch 200
deliver wave20 cry2.wav

echo "Wrote $(ls "$out"/*.wav | wc -l) sounds to $out"
