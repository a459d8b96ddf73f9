#!/usr/bin/python3
"""One table, one seat in the game's window and one in a browser.

    prova_finestra.py --finestre EXE --pagina CARTELLA --schermate CARTELLA

EXE is the window tests' executable: its test UnaFinestraEUnBrowserAlloStessoTavolo hosts a
table from an offscreen main window, writes the link its room copies into a file, plays seat 0
by clicking, and writes its result there at the end. This script opens the link in headless
Chromium, sits in a free seat, plays it from the page with three computers in the others, and
checks that the page ends the game with the window's result."""

import argparse
import os
import re
import shutil
import subprocess
import sys
import tempfile
import time

# The page's helpers come from its own test, without leaving compiled files in the sources.
sys.dont_write_bytecode = True
sys.path.insert(0, os.path.dirname(os.path.abspath(__file__)))
from prova_pagina import (Fallita, attendi, browser, controlla, decidi, fine_partita, mano,  # noqa: E402
                          salva_schermate, visibili)
from selenium.webdriver.common.by import By  # noqa: E402

POSTO_BROWSER = 2


def righe(percorso):
    try:
        with open(percorso, encoding="utf-8") as f:
            # A line is read once the window has written it whole.
            return dict(r.rstrip("\n").split(" ", 1) for r in f if " " in r and r.endswith("\n"))
    except FileNotFoundError:
        return {}


def letto(file):
    file.flush()
    file.seek(0)
    return file.read()


def gioca(driver, link, canale, finestra, schermate):
    driver.get(link)
    campo = attendi(lambda: visibili(driver, "#siedi-nome"), "la scelta del posto dal link")[0]
    campo.clear()
    campo.send_keys("Carla")
    posto = attendi(lambda: visibili(driver, f'#siedi-posti button[data-posto="{POSTO_BROWSER}"]:not(:disabled)'),
                    "il posto libero")[0]
    controlla(driver.find_elements(By.CSS_SELECTOR, '#siedi-posti button[data-posto="0"]:disabled'),
              "il posto della finestra non risulta preso")
    posto.click()
    attendi(lambda: visibili(driver, "#tavolo"), "il tavolo dopo essersi seduti")
    # The window starts the game once it sees the page's seat taken.
    attendi(lambda: len(mano(driver)) == 8, "la prima mano, quando la finestra comincia", 60)
    stato = {"offerto": False}
    fatte = []
    fine = time.time() + 240
    schermata = False
    while not fine_partita(driver):
        controlla(time.time() < fine, "la partita non finisce")
        controlla(finestra.poll() is None, "la finestra è uscita a metà partita")
        azione = decidi(driver, stato)
        if azione:
            fatte.append(azione)
            if azione == "carta" and fatte.count("carta") == 3 and not schermata:
                attendi(lambda: len(mano(driver)) == 5, "la carta giocata lascia la mano")
                salva_schermate(driver, schermate, "con-finestra")
                schermata = True
            time.sleep(0.15)
        else:
            time.sleep(0.05)
    controlla(fatte.count("carta") == 8, f"la pagina ha giocato {fatte.count('carta')} carte: {fatte}")
    esito = driver.find_element(By.CSS_SELECTOR, "#messaggio .esito").text
    trovato = re.search(r"fa (\d+) punti e (vince|perde)", esito)
    controlla(trovato, f"messaggio di fine partita: {esito!r}")
    squadra, vince = int(trovato.group(1)), trovato.group(2) == "vince"
    posti = {int(p.get_attribute("data-posto")): p for p in driver.find_elements(By.CSS_SELECTOR, ".posto")}
    punti = {s: int(re.search(r"(\d+) punti", p.text).group(1)) for s, p in posti.items()}
    segnati = {s for s, p in posti.items() if p.find_elements(By.CSS_SELECTOR, ".segno")}
    controlla(sum(punti.values()) == 120 and sum(punti[s] for s in segnati) == squadra,
              f"punti {punti}, squadra del chiamante {segnati}, messaggio {esito!r}")
    attendi(lambda: "1" in driver.find_element(By.ID, "serie-partite").text, "la serie conta la partita")
    totali = [int(c.text) for c in driver.find_elements(By.CSS_SELECTOR, "#serie td.totale")]

    # The window's side of the same game.
    risultato = attendi(lambda: "totali" in righe(canale) and righe(canale), "il risultato della finestra", 60)
    suo = int(risultato["posto"])
    detto = re.fullmatch(r"Hai (vinto|perso) per (\d+) a (\d+)", risultato["fine"])
    controlla(detto, f"la finestra dice {risultato['fine']!r}")
    controlla(int(detto.group(2)) == squadra and int(detto.group(3)) == 120 - squadra,
              f"la finestra dice {risultato['fine']!r}, la pagina {esito!r}")
    # The window's seat wins when its side is the winners', the caller's or the others'.
    controlla((detto.group(1) == "vinto") == (vince == (suo in segnati)),
              f"la finestra dice {risultato['fine']!r} dal posto {suo}, la pagina {esito!r}")
    controlla([int(t) for t in risultato["totali"].split()] == totali,
              f"totali della finestra {risultato['totali']}, della pagina {totali}")
    controlla(sum(totali) == 0 and any(totali), f"totali della serie {totali}")
    salva_schermate(driver, schermate, "con-finestra-fine")


def main():
    parser = argparse.ArgumentParser()
    parser.add_argument("--finestre", required=True)
    parser.add_argument("--pagina", required=True)
    parser.add_argument("--schermate", required=True)
    argomenti = parser.parse_args()
    cartella = tempfile.mkdtemp(prefix="pentaludo-finestra-browser-")
    canale = os.path.join(cartella, "canale")
    ambiente = dict(os.environ, QT_QPA_PLATFORM="offscreen", PENTALUDO_LINK_BROWSER=canale,
                    PENTALUDO_PAGINA=argomenti.pagina)
    # Its output goes to a file: a pipe nobody reads while the game runs could fill and stop it.
    uscita_finestra = open(os.path.join(cartella, "uscita"), "w+", encoding="utf-8")
    finestra = subprocess.Popen(
        [argomenti.finestre, "--gtest_filter=GiocoInRete.UnaFinestraEUnBrowserAlloStessoTavolo"],
        env=ambiente, stdout=uscita_finestra, stderr=subprocess.STDOUT, text=True)
    driver = None
    try:
        link = attendi(lambda: righe(canale).get("link"), "il link dalla finestra", 120)
        driver = browser()
        gioca(driver, link, canale, finestra, argomenti.schermate)
        driver.quit()
        driver = None
        uscita = finestra.wait(180)
        uscito = letto(uscita_finestra)
        controlla(uscita == 0 and "[  PASSED  ] 1 test" in uscito, f"la finestra:\n{uscito}")
    except Fallita as errore:
        if finestra.poll() is None:
            finestra.kill()
            finestra.wait()
        print(f"FALLITA: {errore}\n--- la finestra:\n{letto(uscita_finestra)}", file=sys.stderr)
        return 1
    finally:
        if driver is not None:
            driver.quit()
        if finestra.poll() is None:
            finestra.kill()
            finestra.wait()
        uscita_finestra.close()
        shutil.rmtree(cartella, ignore_errors=True)
    print("ok finestra e browser")
    return 0


if __name__ == "__main__":
    sys.exit(main())
