// Makes the page installable and keeps it for use offline through its
// service worker, and says so when a new build has been found and is ready
// after a reload. Pages opened from a file, or where browsers allow no
// worker (in another site's frame, say), go without. Asked once the first
// question is on the screen, so that none of it slows the page on its way
// there.
let asked = false;

export function keepForOffline(say) {
  if (asked || !('serviceWorker' in navigator) || !/^https?:$/.test(location.protocol)) return;
  asked = true;
  const manifest = document.createElement('link');
  manifest.rel = 'manifest';
  manifest.href = 'manifest.webmanifest';
  document.head.append(manifest);
  try {
    const updating = Boolean(navigator.serviceWorker.controller); // an earlier build serves the page
    navigator.serviceWorker.register('service_worker.js').then((registration) => {
      registration.addEventListener('updatefound', () => {
        const worker = registration.installing;
        worker?.addEventListener('statechange', () => {
          if (worker.state === 'activated' && updating) {
            say('A new version of the calculator is ready: reload the page to use it.');
          }
        });
      });
    }, () => {}); // without a worker the page works as before, online
  } catch {
    // A browser that allows no worker in another site's frame says so by throwing.
  }
}
