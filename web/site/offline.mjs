// Makes the page installable and keeps it for use offline through its
// service worker, as soon as the network allows: a worker that could not be
// fetched or installed is asked for again when the browser is back online,
// and meanwhile at growing intervals. Says, once, when a new build has taken
// over the page: a reload will use it. Pages opened from a file, or where
// browsers allow no worker (in another site's frame, say), go without.

const NEW_BUILD = 'A new version of the calculator is ready: reload the page to use it.';
const FIRST_RETRY = 5000; // milliseconds; doubled each time, up to
const LAST_RETRY = 60000;

// The page's worker, where the browser allows one; else null.
function workers() {
  try {
    return /^https?:$/.test(location.protocol) ? navigator.serviceWorker ?? null : null;
  } catch {
    return null; // a browser that allows no worker in another site's frame says so by throwing
  }
}

// Tells `tell(text)` once when another build's worker takes over this page
// from the worker that had it (not when the first worker takes a page it
// did not serve). From the page's start: the new worker may come at once.
export function watchForNewBuild(tell) {
  const container = workers();
  let had = container?.controller;
  const changed = () => {
    if (had) {
      container.removeEventListener('controllerchange', changed);
      tell(NEW_BUILD);
    }
    had = container.controller;
  };
  container?.addEventListener('controllerchange', changed);
}

let asked = false;

// Asked once the first question is on the screen, so that none of it slows
// the page on its way there.
export function keepForOffline() {
  const container = workers();
  if (asked || !container) return;
  asked = true;
  const manifest = document.createElement('link');
  manifest.rel = 'manifest';
  manifest.href = 'manifest.webmanifest';
  document.head.append(manifest);
  register(container, FIRST_RETRY);
}

function register(container, wait) {
  let timer = null;
  const again = () => {
    clearTimeout(timer);
    window.removeEventListener('online', again);
    register(container, Math.min(wait * 2, LAST_RETRY));
  };
  const later = () => {
    timer = setTimeout(again, wait);
    window.addEventListener('online', again);
  };
  container.register('service_worker.js').then(installed).then((kept) => kept || later(), later);
}

// Whether the registration's worker is, or becomes, the active one; false
// when the one installing is given up (a file of the site could not be had).
function installed(registration) {
  const worker = registration.installing ?? registration.waiting;
  if (!worker) return Boolean(registration.active);
  return new Promise((resolve) => {
    worker.addEventListener('statechange', () => {
      if (worker.state === 'activated' || worker.state === 'redundant') resolve(worker.state === 'activated');
    });
  });
}
