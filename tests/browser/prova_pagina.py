#!/usr/bin/python3
"""The browser page in a real headless Chromium, against a real pentaludo-server.

    prova_pagina.py --server EXE --pagina CARTELLA --schermate CARTELLA PROVA

PROVA is one of: partita (a whole game from the page, with screenshots), ritorno (a reload in
mid-trick comes back to the seat), markup (names and chat with markup shown as text), percorsi
(paths outside the page's folder refused)."""

import argparse
import os
import re
import shutil
import socket
import subprocess
import sys
import tempfile
import time

from selenium import webdriver
from selenium.common.exceptions import StaleElementReferenceException, WebDriverException
from selenium.webdriver.chrome.service import Service
from selenium.webdriver.common.by import By

ATTESA = 30


class Fallita(Exception):
    pass


def controlla(condizione, messaggio):
    if not condizione:
        raise Fallita(messaggio)


class Server:
    def __init__(self, eseguibile, pagina):
        self.dati = tempfile.mkdtemp(prefix="pentaludo-pagina-")
        self.processo = subprocess.Popen(
            [eseguibile, "--indirizzo", "127.0.0.1", "--porta", "0", "--dati", self.dati,
             "--pagina", pagina, "--seme", "7"],
            stdout=subprocess.PIPE, stderr=subprocess.PIPE, text=True)
        self.url = None
        fine = time.time() + ATTESA
        while time.time() < fine and self.url is None:
            riga = self.processo.stdout.readline()
            if not riga:
                break
            trovato = re.match(r"Pagina per il browser: (http://127\.0\.0\.1:(\d+)/)", riga)
            if trovato:
                self.url, self.porta = trovato.group(1), int(trovato.group(2))
        controlla(self.url, "il server non dice l'indirizzo della pagina: " +
                  self.processo.stderr.read() if self.processo.poll() is not None else "")

    def chiudi(self):
        self.processo.terminate()
        try:
            self.processo.wait(10)
        except subprocess.TimeoutExpired:
            self.processo.kill()
        shutil.rmtree(self.dati, ignore_errors=True)


def browser(larghezza=1280, altezza=800, regole_host=None):
    opzioni = webdriver.ChromeOptions()
    if regole_host:
        opzioni.add_argument(f"--host-resolver-rules={regole_host}")
    for argomento in ("--headless=new", "--no-sandbox", "--disable-dev-shm-usage", "--disable-gpu",
                      f"--window-size={larghezza},{altezza}", "--lang=it-IT", "--force-device-scale-factor=1"):
        opzioni.add_argument(argomento)
    opzioni.add_experimental_option("prefs", {"intl.accept_languages": "it-IT,it"})
    opzioni.set_capability("goog:loggingPrefs", {"browser": "ALL"})
    driver = webdriver.Chrome(service=Service("/usr/bin/chromedriver"), options=opzioni)
    dimensioni(driver, larghezza, altezza)
    return driver


def dimensioni(driver, larghezza, altezza):
    """The page's own viewport at that size, as a phone or a desktop shows it."""
    driver.execute_cdp_cmd("Emulation.setDeviceMetricsOverride", {
        "width": larghezza, "height": altezza, "deviceScaleFactor": 1, "mobile": larghezza < 600})


def attendi(condizione, cosa, secondi=ATTESA):
    fine = time.time() + secondi
    ultimo = None
    while time.time() < fine:
        try:
            risultato = condizione()
            if risultato:
                return risultato
        except (StaleElementReferenceException, WebDriverException) as errore:
            ultimo = errore
        time.sleep(0.05)
    raise Fallita(f"atteso invano: {cosa} ({ultimo})")


def visibili(driver, selettore):
    return [e for e in driver.find_elements(By.CSS_SELECTOR, selettore) if e.is_displayed()]


def crea_tavolo(driver, url, nome):
    driver.get(url)
    attendi(lambda: visibili(driver, "#crea-nome"), "il modulo per creare un tavolo")
    campo = driver.find_element(By.ID, "crea-nome")
    campo.clear()
    campo.send_keys(nome)
    driver.find_element(By.ID, "crea-vai").click()
    attendi(lambda: visibili(driver, "#tavolo"), "il tavolo dopo averlo creato")
    codice = attendi(lambda: driver.execute_script("return location.hash.slice(1)"), "il codice")
    link = driver.find_element(By.ID, "invito-link").get_attribute("value")
    controlla(link == f"{url}#{codice}", f"il link d'invito {link!r} non è {url}#{codice}")
    return codice


def comincia(driver):
    attendi(lambda: visibili(driver, "#pulsanti button.principale"), "il pulsante per cominciare")[0].click()
    attendi(lambda: driver.find_elements(By.CSS_SELECTOR, "#mano button.carta"), "la prima mano")


def mano(driver):
    return [b.get_attribute("data-carta") for b in driver.find_elements(By.CSS_SELECTOR, "#mano button.carta")]


def fine_partita(driver):
    return visibili(driver, "#messaggio .esito")


def decidi(driver, stato):
    """One decision of the person at the page, by clicks; what was done, or None."""
    offerte = visibili(driver, "#pulsanti button.offerta")
    passo = visibili(driver, "#pulsanti button.passo")
    if offerte or passo:
        # The first bid goes on the ladder's lowest rank; then the page passes when it may.
        if not stato["offerto"] and offerte:
            offerte[0].click()
            stato["offerto"] = True
            return "chiamata"
        (passo or offerte)[0].click()
        return "passo"
    semi = visibili(driver, "#pulsanti button.seme")
    if semi:
        semi[0].click()
        return "briscola"
    giocabili = driver.find_elements(By.CSS_SELECTOR, "#mano.giocabile button.carta:not(:disabled)")
    if giocabili:
        giocabili[-1].click()
        return "carta"
    return None


def avvisi_browser(driver):
    return [r["message"] for r in driver.get_log("browser")
            if "Content Security Policy" in r["message"] or r["level"] == "SEVERE"]


def prova_partita(argomenti, server):
    driver = browser()
    try:
        crea_tavolo(driver, server.url, "Anna")
        comincia(driver)
        stato = {"offerto": False}
        fatte = []
        prima = mano(driver)
        controlla(len(prima) == 8, f"la mano iniziale ha {len(prima)} carte")
        schermate = False
        fine = time.time() + 120
        while not fine_partita(driver):
            controlla(time.time() < fine, "la partita non finisce")
            azione = decidi(driver, stato)
            if azione:
                fatte.append(azione)
                if azione == "carta" and fatte.count("carta") == 4 and not schermate:
                    attendi(lambda: len(mano(driver)) == 4, "la carta giocata lascia la mano")
                    salva_schermate(driver, argomenti.schermate, "partita")
                    schermate = True
                time.sleep(0.15)
            else:
                time.sleep(0.05)
        controlla(fatte.count("carta") == 8, f"la pagina ha giocato {fatte.count('carta')} carte: {fatte}")
        controlla("chiamata" in fatte, "la pagina non ha mai chiamato")
        controlla(mano(driver) == [], "a fine partita restano carte in mano")
        esito = driver.find_element(By.CSS_SELECTOR, "#messaggio .esito").text
        posti = driver.find_elements(By.CSS_SELECTOR, ".posto")
        prese = [int(re.search(r"(\d+) prese", p.text).group(1)) for p in posti]
        punti = [int(re.search(r"(\d+) punti", p.text).group(1)) for p in posti]
        controlla(sum(prese) == 8 and sum(punti) == 120, f"prese {prese}, punti {punti}")
        # The caller's side is marked at the end, and the message counts its points.
        squadra = sum(n for p, n in zip(posti, punti) if p.find_elements(By.CSS_SELECTOR, ".segno"))
        controlla(re.search(r"fa (\d+) punti e (vince|perde)", esito), f"messaggio di fine partita: {esito!r}")
        controlla(int(re.search(r"fa (\d+) punti", esito).group(1)) == squadra,
                  f"messaggio {esito!r}, la squadra del chiamante ha {squadra} punti")
        attendi(lambda: "1" in driver.find_element(By.ID, "serie-partite").text, "la serie conta la partita")
        totali = [int(c.text) for c in driver.find_elements(By.CSS_SELECTOR, "#serie td.totale")]
        controlla(len(totali) == 5 and sum(totali) == 0 and any(totali), f"totali della serie {totali}")
        salva_schermate(driver, argomenti.schermate, "fine")
        # Next: the following game is dealt.
        visibili(driver, "#messaggio button.avanti")[0].click()
        attendi(lambda: len(mano(driver)) == 8 and not fine_partita(driver), "la partita seguente")
        controlla(not avvisi_browser(driver), f"il browser segnala: {avvisi_browser(driver)}")
    finally:
        driver.quit()


def salva_schermate(driver, cartella, nome):
    os.makedirs(cartella, exist_ok=True)
    for larghezza, altezza in ((1280, 800), (360, 740)):
        dimensioni(driver, larghezza, altezza)
        time.sleep(0.4)
        driver.save_screenshot(os.path.join(cartella, f"pagina-{nome}-{larghezza}x{altezza}.png"))
        # At the phone's width the table fits: no sideways scrolling.
        larga = driver.execute_script("return document.documentElement.scrollWidth")
        controlla(larga <= larghezza, f"a {larghezza} px la pagina è larga {larga} px")
    dimensioni(driver, 1280, 800)


def prova_ritorno(argomenti, server):
    driver = browser()
    try:
        codice = crea_tavolo(driver, server.url, "Carla")
        comincia(driver)
        stato = {"offerto": True}
        fine = time.time() + 120
        # Plays until it is the page's turn with cards of this trick already on the table.
        while True:
            controlla(time.time() < fine and not fine_partita(driver), "mai di turno a metà presa")
            if driver.find_elements(By.CSS_SELECTOR, "#mano.giocabile") and \
                    driver.find_elements(By.CSS_SELECTOR, "#presa .spazio[data-carta]:not(.raccolta):not(.vincente)"):
                break
            if decidi(driver, stato):
                time.sleep(0.15)
            time.sleep(0.05)
        prima_mano = mano(driver)
        prima_tavola = sorted(s.get_attribute("data-carta") for s in driver.find_elements(By.CSS_SELECTOR, "#presa .spazio[data-carta]:not(.raccolta):not(.vincente)"))
        driver.refresh()
        attendi(lambda: driver.find_elements(By.CSS_SELECTOR, "#mano.giocabile button.carta"), "il ritorno al posto, di turno")
        controlla(driver.execute_script("return location.hash.slice(1)") == codice, "il codice resta nel link")
        controlla(mano(driver) == prima_mano, f"mano dopo il ritorno {mano(driver)}, prima {prima_mano}")
        dopo_tavola = sorted(s.get_attribute("data-carta") for s in driver.find_elements(By.CSS_SELECTOR, "#presa .spazio[data-carta]"))
        controlla(dopo_tavola == prima_tavola, f"tavola dopo il ritorno {dopo_tavola}, prima {prima_tavola}")
        nome = driver.find_element(By.CSS_SELECTOR, ".posto.mio .nome").text
        controlla(nome == "Carla", f"il posto in basso è di {nome!r}")
        # The key 1 plays the hand's first card.
        carta = prima_mano[0]
        driver.find_element(By.TAG_NAME, "body").send_keys("1")
        attendi(lambda: carta not in mano(driver), "la carta giocata col tasto 1 dopo il ritorno")
        # A link to a table the server does not hold says so and offers to create one.
        driver.get(f"{server.url}#NonCEPiu")
        attendi(lambda: visibili(driver, "#modulo-crea") and visibili(driver, "#errore"), "il tavolo sconosciuto")
    finally:
        driver.quit()


def prova_markup(argomenti, server):
    """A friend joins by the link with a name full of markup; both pages show it as text."""
    nome = "<b>x</b><img src=y>"
    chat = '<img src=x onerror="document.title=1"><script>x()</script>'
    ospite, amico = browser(), browser(360, 740)
    try:
        codice = crea_tavolo(ospite, server.url, "Anna")
        amico.get(f"{server.url}#{codice}")
        campo = attendi(lambda: visibili(amico, "#siedi-nome"), "la scelta del posto dal link")[0]
        campo.clear()
        campo.send_keys(nome)
        liberi = attendi(lambda: visibili(amico, "#siedi-posti button:not(:disabled)"), "i posti liberi")
        controlla(len(liberi) == 4, f"{len(liberi)} posti liberi invece di 4")
        posto = int(liberi[1].get_attribute("data-posto"))
        liberi[1].click()
        attendi(lambda: visibili(amico, "#tavolo"), "l'amico al tavolo")
        for driver, chi in ((amico, ".posto.mio"), (ospite, f'.posto[data-posto="{posto}"]')):
            seggio = attendi(lambda: [e for e in visibili(driver, f"{chi} .nome") if e.text], "il nome al posto")[0]
            controlla(seggio.text == nome, f"il nome al posto è {seggio.text!r}")
            controlla(not driver.find_elements(By.CSS_SELECTOR, ".posto b, .posto img, #serie b, #serie img"),
                      "il nome è diventato markup")
        amico.find_element(By.ID, "chat-testo").send_keys(chat)
        amico.find_element(By.CSS_SELECTOR, "#modulo-chat button").click()
        for driver in (amico, ospite):
            riga = attendi(lambda: visibili(driver, "#chat li .testo"), "la riga di chat")[0]
            controlla(riga.text == chat, f"la chat mostra {riga.text!r}")
            controlla(not driver.find_elements(By.CSS_SELECTOR, "#chat img, #chat script"), "la chat è diventata markup")
            controlla(driver.find_element(By.CSS_SELECTOR, "#chat li .chi").text == nome + ":", "il nome nella chat")
            controlla(driver.title != "1", "uno script della chat è stato eseguito")
    finally:
        ospite.quit()
        amico.quit()


def richiesta(porta, testo):
    with socket.create_connection(("127.0.0.1", porta), timeout=10) as s:
        s.sendall(testo.encode("latin-1"))
        risposta = b""
        while True:
            parte = s.recv(65536)
            if not parte:
                return risposta
            risposta += parte


def prova_percorsi(argomenti, server):
    segreto = os.path.join(server.dati, "segreto.html")
    with open(segreto, "w") as f:
        f.write("SEGRETO")
    indice = richiesta(server.porta, "GET / HTTP/1.1\r\nHost: x\r\n\r\n")
    controlla(indice.startswith(b"HTTP/1.1 200 "), f"la pagina: {indice[:80]!r}")
    controlla(b"Content-Security-Policy: default-src 'none'" in indice, "manca la CSP")
    relativo = os.path.relpath(segreto, argomenti.pagina)
    for percorso in ("/" + relativo, "/" + relativo.replace("..", "%2e%2e"),
                     "/" + relativo.replace("/", "%2f"), "/..%2f..%2fsegreto.html", segreto,
                     "/js/../../segreto.html", "/index.html%00.png", "/regole.OK.txt"):
        risposta = richiesta(server.porta, f"GET {percorso} HTTP/1.1\r\nHost: x\r\n\r\n")
        controlla(risposta.split(b"\r\n")[0] in (b"HTTP/1.1 404 Not Found", b"HTTP/1.1 400 Bad Request"),
                  f"{percorso}: {risposta[:60]!r}")
        controlla(b"SEGRETO" not in risposta, f"{percorso} ha letto fuori dalla cartella")
    # The browser too gets the refusal, not the file; reached by a public name over plain http,
    # the page warns that the seat's token travels in clear, and on the loopback it does not.
    driver = browser(regole_host="MAP tavolo.example 127.0.0.1")
    try:
        driver.get(server.url + relativo)
        controlla("SEGRETO" not in driver.page_source, "il browser ha letto fuori dalla cartella")
        for url, avvisa in ((server.url, False), (f"http://tavolo.example:{server.porta}/", True)):
            driver.get(url)
            attendi(lambda: visibili(driver, "#crea-nome"), f"la pagina su {url}")
            controlla(bool(visibili(driver, "#avviso-http")) == avvisa, f"avviso http su {url}")
    finally:
        driver.quit()


PROVE = {"partita": prova_partita, "ritorno": prova_ritorno, "markup": prova_markup, "percorsi": prova_percorsi}


def main():
    parser = argparse.ArgumentParser()
    parser.add_argument("--server", required=True)
    parser.add_argument("--pagina", required=True)
    parser.add_argument("--schermate", required=True)
    parser.add_argument("prova", choices=sorted(PROVE))
    argomenti = parser.parse_args()
    server = Server(argomenti.server, argomenti.pagina)
    try:
        PROVE[argomenti.prova](argomenti, server)
    except Fallita as errore:
        print(f"FALLITA {argomenti.prova}: {errore}", file=sys.stderr)
        return 1
    finally:
        server.chiudi()
    print(f"ok {argomenti.prova}")
    return 0


if __name__ == "__main__":
    sys.exit(main())
