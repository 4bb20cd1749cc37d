// The beep: a short bell through Web Audio. A browser lets a page sound only once the player
// has clicked, tapped or pressed a key, so the sound wakes inside the first of those.

let context = null;

function wake() {
  try {
    context ??= new AudioContext();
    if (context.state === 'suspended') {
      context.resume();
    }
  } catch {
    context = null; // no sound on this browser; the game goes on without
  }
}

for (const gesture of ['pointerdown', 'keydown']) {
  document.addEventListener(gesture, wake, { capture: true });
}

// A bell's strike: a bright tone that dies away within a quarter of a second.
export function beep() {
  if (!context || context.state !== 'running') {
    return;
  }
  const start = context.currentTime;
  const tone = new OscillatorNode(context, { type: 'triangle', frequency: 1320 });
  const strength = new GainNode(context, { gain: 0 });
  strength.gain.linearRampToValueAtTime(0.3, start + 0.005);
  strength.gain.exponentialRampToValueAtTime(0.001, start + 0.25);
  tone.connect(strength).connect(context.destination);
  tone.start(start);
  tone.stop(start + 0.26);
}
