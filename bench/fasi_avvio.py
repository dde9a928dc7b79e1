#!/usr/bin/env python3
"""Where a window's start-up goes: the moments strace sees, from exec, for each program.

Marks, in ms from exec (median of the runs; strace slows every system call, so the figures
are larger than bench_startup's, but the phases keep their order and share):
  libraries  the first file opened that is not a shared library (the loader is done)
  display    the connection to the X server (QApplication has loaded its platform plugin)
  fonts      fontconfig's first file, and its last (the configuration and its caches),
             on whichever thread reads them
  faces      the first font file opened (text is about to be laid out or drawn)
  bus        the session bus: a connection to it, or the start of dbus-launch
  last       the last file the main thread opens before it goes idle
Arguments: runs, then the programs. Runs on the X display in DISPLAY.
"""
import os
import re
import signal
import statistics
import subprocess
import sys
import tempfile
import time

RIGA = re.compile(r'^(\d+) +(\d+\.\d+) (\w+)\((.*)$')
# Once the main thread has opened nothing for this long, the window is up and idle.
QUIETE_S = 1.0
SCADENZA_S = 20.0


def segni(righe):
    """The marks of one traced start, in ms from its exec."""
    inizio = None
    principale = None
    trovati = {}
    ultimo = None
    for riga in righe:
        m = RIGA.match(riga)
        if not m:
            continue
        filo, istante, chiamata, resto = int(m.group(1)), float(m.group(2)), m.group(3), m.group(4)
        if chiamata == 'execve' and inizio is None:
            inizio, principale = istante, filo
            continue
        if inizio is None or 'ENOENT' in resto:
            continue
        ms = (istante - inizio) * 1000
        percorso = resto.split('"')[1] if '"' in resto else ''
        primo = lambda nome: trovati.setdefault(nome, ms)
        if chiamata == 'openat':
            if filo == principale:
                ultimo = ms
            if re.search(r'\.so(\.|$)|ld\.so\.cache', percorso):
                continue
            if filo == principale:
                primo('libraries')
            # The font configuration may be read on a thread of its own, beside the rest.
            if 'fontconfig' in percorso or percorso.startswith('/etc/fonts'):
                primo('fonts from')
                trovati['fonts to'] = ms
            if re.search(r'\.(ttf|otf|pfb|t1)$', percorso):
                primo('faces')
        elif chiamata == 'connect' and 'X11-unix' in percorso:
            primo('display')
        elif (chiamata == 'connect' and 'bus' in percorso) or \
                (chiamata == 'execve' and 'dbus-launch' in resto):
            primo('bus')
    if ultimo is not None:
        trovati['last'] = ultimo
    return trovati


def traccia(programma):
    with tempfile.NamedTemporaryFile('r', suffix='.strace') as uscita:
        processo = subprocess.Popen(
            ['strace', '-f', '-ttt', '-e', 'trace=execve,openat,connect', '-o', uscita.name,
             programma], stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL,
            start_new_session=True)
        # Idle once the trace stops growing; a deadline in case it never does.
        scadenza = time.monotonic() + SCADENZA_S
        dimensione, ferma_da = -1, time.monotonic()
        while time.monotonic() < scadenza:
            ora = os.path.getsize(uscita.name)
            if ora != dimensione:
                dimensione, ferma_da = ora, time.monotonic()
            elif time.monotonic() - ferma_da > QUIETE_S:
                break
            time.sleep(0.05)
        # The whole group: strace alone would detach and leave the window running.
        os.killpg(processo.pid, signal.SIGTERM)
        processo.wait()
        return segni(uscita.read().splitlines())


def main():
    giri = int(sys.argv[1])
    programmi = sys.argv[2:]
    misure = {p: [] for p in programmi}
    for _ in range(giri):
        for p in programmi:
            misure[p].append(traccia(p))
    nomi = ['libraries', 'display', 'fonts from', 'fonts to', 'faces', 'bus', 'last']
    print(f"{'ms from exec':<22}" + ''.join(f'{n:>11}' for n in nomi))
    for p, elenco in misure.items():
        celle = []
        for n in nomi:
            valori = [m[n] for m in elenco if n in m]
            celle.append(f'{statistics.median(valori):11.1f}' if valori else f"{'-':>11}")
        print(f'{os.path.basename(p):<22}' + ''.join(celle))


if __name__ == '__main__':
    main()
