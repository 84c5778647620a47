// Loads beam-reactions.wasm for the page, and runs it for a host: the page,
// or node (run.mjs).
//
// The program reads its answers and waits for its closing key synchronously;
// the host answers later. The module is built with binaryen's asyncify, which
// lets a waiting import unwind the program's stack and rewind it once the
// host has answered. The host:
//   read()        a promise of the next bytes of standard input, or null at
//                 its end;
//   write(bytes)  shows what the program wrote to standard output;
//   waitForKey()  a promise kept when the closing key is pressed.

const ERRNO_SUCCESS = 0;
const ERRNO_BADF = 8;
const ERRNO_SPIPE = 70;
const FILETYPE_CHARACTER_DEVICE = 2;
const UNWINDING = 1;
const REWINDING = 2;
const PAGE = 65536;

// The page's program, compiled: carried in the page itself by the single-file
// edition, else fetched from `file` and compiled as it arrives (`compiling`,
// where that has begun). Where it cannot be had, the error says why in a
// user's words.
export async function loadProgram(file, compiling) {
  if (typeof WebAssembly !== 'object') {
    throw new Error('this browser does not run WebAssembly');
  }
  const carried = document.getElementById('program-bytes');
  if (carried) return WebAssembly.compile(fromBase64(carried.textContent));
  const unreachable = () => new Error('it could not be fetched; check the connection, then reload the page');
  const fetchProgram = () => fetch(file, { credentials: 'same-origin' }).catch(() => {
    throw unreachable();
  });
  try {
    return await (compiling ?? WebAssembly.compileStreaming(fetchProgram()));
  } catch {
    // Sent with another content type, or cut off: compiled from its bytes.
    const response = await fetchProgram();
    if (!response.ok) throw new Error(`the server answered ${response.status}`);
    const bytes = await response.arrayBuffer().catch(() => {
      throw unreachable();
    });
    return WebAssembly.compile(bytes).catch(() => {
      throw new Error('what the server sent is not the calculator; reload the page');
    });
  }
}

function fromBase64(text) {
  if (Uint8Array.fromBase64) return Uint8Array.fromBase64(text);
  const binary = atob(text);
  const bytes = new Uint8Array(binary.length);
  for (let at = 0; at < binary.length; at += 1) bytes[at] = binary.charCodeAt(at);
  return bytes;
}

class ProgramExit {
  constructor(status) {
    this.status = status;
  }
}

// Runs the compiled `module` once; a promise of its exit status.
export async function runProgram(module, host) {
  let memory;
  let exports;
  let waiting = null; // what the program waits for, while it is unwound
  let input = new Uint8Array(0);
  let inputEnded = false;
  let asyncifyData = 0;

  const bytes = (address, length) => new Uint8Array(memory.buffer, address, length);
  const view = () => new DataView(memory.buffer);

  // Whether the program comes back from a wait (it is rewinding): then it
  // goes on from the import that waited.
  const resuming = () => {
    if (exports.asyncify_get_state() !== REWINDING) return false;
    exports.asyncify_stop_rewind();
    return true;
  };
  // Unwinds the program, to be rewound once `promise` is kept.
  const suspendUntil = (promise) => {
    waiting = promise;
    exports.asyncify_start_unwind(asyncifyData);
  };

  // Each buffer of an iovec array, in order.
  const buffers = (iovs, count) =>
    Array.from({ length: count }, (_, i) =>
      bytes(view().getUint32(iovs + i * 8, true), view().getUint32(iovs + i * 8 + 4, true)));

  const wasi = {
    fd_read(fd, iovs, count, readPointer) {
      if (fd !== 0) return ERRNO_BADF;
      if (!resuming() && input.length === 0 && !inputEnded) {
        suspendUntil(host.read().then((chunk) => {
          if (chunk === null) inputEnded = true;
          else input = chunk;
        }));
        return ERRNO_SUCCESS;
      }
      let read = 0;
      for (const buffer of buffers(iovs, count)) {
        const taken = Math.min(buffer.length, input.length);
        buffer.set(input.subarray(0, taken));
        input = input.subarray(taken);
        read += taken;
      }
      view().setUint32(readPointer, read, true);
      return ERRNO_SUCCESS;
    },
    fd_write(fd, iovs, count, writtenPointer) {
      if (fd !== 1 && fd !== 2) return ERRNO_BADF;
      let written = 0;
      for (const buffer of buffers(iovs, count)) {
        if (fd === 1) host.write(buffer.slice());
        written += buffer.length;
      }
      view().setUint32(writtenPointer, written, true);
      return ERRNO_SUCCESS;
    },
    fd_fdstat_get(fd, statPointer) {
      if (fd > 2) return ERRNO_BADF;
      bytes(statPointer, 24).fill(0);
      view().setUint8(statPointer, FILETYPE_CHARACTER_DEVICE);
      return ERRNO_SUCCESS;
    },
    fd_seek: () => ERRNO_SPIPE,
    fd_close: () => ERRNO_SUCCESS,
    args_sizes_get(countPointer, sizePointer) {
      view().setUint32(countPointer, 0, true);
      view().setUint32(sizePointer, 0, true);
      return ERRNO_SUCCESS;
    },
    args_get: () => ERRNO_SUCCESS,
    environ_sizes_get(countPointer, sizePointer) {
      view().setUint32(countPointer, 0, true);
      view().setUint32(sizePointer, 0, true);
      return ERRNO_SUCCESS;
    },
    environ_get: () => ERRNO_SUCCESS,
    proc_exit(status) {
      throw new ProgramExit(status);
    },
  };
  const beam = {
    wait_for_key() {
      if (!resuming()) suspendUntil(host.waitForKey());
    },
  };

  const instance = await WebAssembly.instantiate(module, {
    wasi_snapshot_preview1: wasi,
    beam,
  });
  exports = instance.exports;
  memory = exports.memory;
  // A page of its own for asyncify's saved stack, past all the program's.
  asyncifyData = memory.grow(1) * PAGE;
  view().setUint32(asyncifyData, asyncifyData + 8, true);
  view().setUint32(asyncifyData + 4, asyncifyData + PAGE, true);

  for (;;) {
    try {
      exports._start();
    } catch (error) {
      if (error instanceof ProgramExit) return error.status;
      throw error;
    }
    if (exports.asyncify_get_state() !== UNWINDING) return 0;
    exports.asyncify_stop_unwind();
    await waiting;
    exports.asyncify_start_rewind(asyncifyData);
  }
}
