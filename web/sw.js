// Keeps the whole page for use without a network: everything is fetched into
// the cache when the worker installs, the network is asked first while there
// is one (so a new build shows at once) and the cache answers when there is none.
"use strict";

const kCache = "quintara-v3";

function pictures() {
  const names = [];
  for (const id of [142, ...Array.from({ length: 52 }, (_, i) => 144 + i)])
    names.push(`images/bitmap${id}.png`, `images/bitmap${id}@2x.png`);
  return names;
}

const kFiles = ["./", "index.html", "help.html", "app.js", "worker.js", "style.css", "quintara.js", "quintara.wasm",
                "manifest.webmanifest", "images/icon128.png", "images/icon192.png", "images/icon512.png",
                ...pictures()];

self.addEventListener("install", (event) => {
  event.waitUntil(caches.open(kCache).then((cache) => cache.addAll(kFiles)).then(() => self.skipWaiting()));
});

self.addEventListener("activate", (event) => {
  event.waitUntil(self.clients.claim());
});

self.addEventListener("fetch", (event) => {
  if (event.request.method !== "GET")
    return;
  event.respondWith(
    fetch(event.request)
      .then((response) => {
        if (response.ok) {
          const copy = response.clone();
          caches.open(kCache).then((cache) => cache.put(event.request, copy));
        }
        return response;
      })
      .catch(() => caches.match(event.request, { ignoreSearch: true }).then((cached) => cached || Response.error())));
});
