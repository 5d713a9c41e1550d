// One simulation worker: the same module as the page, playing the ranges of
// blocks the page hands it and posting back their raw tallies. The page adds
// them up, so the figures do not depend on how many workers play.
"use strict";

importScripts("quintara.js");

const ready = QuintaraModule();
let queue = Promise.resolve();

self.onmessage = (event) => {
  const job = event.data;
  // One job at a time, in the order they came.
  queue = queue.then(() => ready).then((module) => {
    const tally = module.playTableBlocks(job.setup, job.first, job.count);
    self.postMessage({ ...job, setup: undefined, tally }, [tally.buffer]);
  });
};
