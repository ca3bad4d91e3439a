#!/usr/bin/python3
"""Renders the web client with headless Chromium: sign-in, a round, the vote
and the winner on a phone (390x844) and a computer (1280x800), and the big
screen view, in a one-round game on lexiburst-host with two computer players.

    tools/web-screenshots.py BUILD-FOLDER OUTPUT-FOLDER
"""

import os
import socket
import subprocess
import sys
import tempfile
import time

from selenium import webdriver
from selenium.webdriver.chrome.service import Service
from selenium.webdriver.common.by import By
from selenium.webdriver.common.keys import Keys

SECOND_MS = 150
ROOT = os.path.dirname(os.path.dirname(os.path.abspath(__file__)))


def bank():
    """The computer players' answers by category, upper case as the page shows them."""
    answers, category = {}, None
    with open(os.path.join(ROOT, "resources", "answers.txt"), encoding="latin-1") as f:
        for line in f:
            line = line.rstrip("\n")
            if line.startswith("="):
                category = line[1:].split("\t")[0].upper()
                answers[category] = []
            elif category and line and not line.startswith("#"):
                answers[category].append(line)
    return answers


def answers_for(page, skip):
    """Answers from the bank for the round on the page, the skip-th of each letter."""
    letter = page.driver.find_element(By.ID, "letter").get_attribute("alt")
    known = bank()
    out = []
    for label in page.driver.find_elements(By.CSS_SELECTOR, "#answers label"):
        fitting = [a for a in known.get(label.text.strip(), []) if a[:1].upper() == letter]
        out.append(fitting[min(skip, len(fitting) - 1)] if fitting else "")
    return out


def free_port():
    while True:
        with socket.socket() as s:
            s.bind(("127.0.0.1", 0))
            port = s.getsockname()[1]
        with socket.socket() as t:
            try:
                t.bind(("127.0.0.1", port + 1))
                return port
            except OSError:
                continue


def wait_for(predicate, timeout=60):
    end = time.monotonic() + timeout
    while time.monotonic() < end:
        if predicate():
            return True
        time.sleep(0.05)
    raise RuntimeError("timed out")


class Page:
    def __init__(self, url, width, height, out, prefix):
        opts = webdriver.ChromeOptions()
        opts.binary_location = "/usr/bin/chromium"
        for arg in ("--headless=new", "--no-sandbox", "--disable-gpu", "--hide-scrollbars",
                    "--user-data-dir=" + tempfile.mkdtemp(prefix="webshots-"),
                    "--window-size=%d,%d" % (width, height), "--force-device-scale-factor=1"):
            opts.add_argument(arg)
        self.driver = webdriver.Chrome(service=Service("/usr/bin/chromedriver"), options=opts)
        self.driver.set_window_size(width, height)
        # The window's frame takes some of the size: the page gets exactly width x height.
        inner = self.driver.execute_script("return [innerWidth, innerHeight]")
        self.driver.set_window_size(2 * width - inner[0], 2 * height - inner[1])
        self.driver.get(url)
        self.out, self.prefix = out, prefix

    def pictures_shown(self):
        """Whether every picture with an address shows; if not, the page loads again."""
        if self.driver.execute_script(
                "return [...document.images].every((i) => !i.src || i.complete && i.naturalWidth)"):
            return True
        self.driver.refresh()
        return False

    def view(self):
        return self.driver.execute_script("return document.body.dataset.view || ''")

    def shot(self, name):
        path = os.path.join(self.out, "%s-%s.png" % (self.prefix, name))
        self.driver.save_screenshot(path)
        print("wrote", path)


def main():
    build, out = sys.argv[1], sys.argv[2]
    os.makedirs(out, exist_ok=True)
    port = free_port()
    env = dict(os.environ, LEXIBURST_SECOND_MS=str(SECOND_MS), ASAN_OPTIONS="detect_leaks=0",
               LEXIBURST_HOME=tempfile.mkdtemp(prefix="webshots-home-"))
    procs = [subprocess.Popen([os.path.join(build, "bin", "lexiburst-host"), "--port", str(port),
                               "--web-port", str(port + 1)], env=env, stdout=subprocess.DEVNULL)]
    pages = []
    try:
        wait_for(lambda: reachable(port + 1))
        url = "http://127.0.0.1:%d/?second=%d" % (port + 1, SECOND_MS)
        phone = Page(url, 390, 844, out, "web-phone")
        desk = Page(url, 1280, 800, out, "web-desktop")
        pages = [phone, desk]
        for page, name in ((phone, "Ann"), (desk, "Ben")):
            box = page.driver.find_element(By.ID, "name-input")
            box.send_keys(name)
            page.shot("signin")
            box.send_keys(Keys.ENTER)
            wait_for(lambda: page.view() == "idle-view")
        big = Page(url.replace("?", "?view=big&"), 1280, 720, out, "web-bigscreen")
        pages.append(big)
        # Three browsers on one address may meet the host's bound on connections per
        # address; a picture refused then is fetched again once the others went idle.
        wait_for(lambda: big.view() == "idle-view" and big.pictures_shown(), 60)
        for name, seed in (("Robo", 3), ("Kit", 5)):
            procs.append(subprocess.Popen(
                [os.path.join(build, "bin", "lexiburst-bot"), "--port", str(port), "--name", name,
                 "--seed", str(seed)], env=env, stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL))
        chat = desk.driver.find_element(By.ID, "chat-input")
        chat.send_keys("Hello everybody :)#10" + Keys.ENTER)
        phone.driver.find_element(By.CSS_SELECTOR, "#phrases button").click()
        wait_for(lambda: "Kit is Connected." in phone.driver.find_element(By.ID, "chat-lines").text)
        wait_for(lambda: not phone.driver.find_element(By.ID, "start-button").get_attribute("hidden"))
        phone.driver.execute_script("document.getElementById('start-button').click()")
        phone.shot("start")
        phone.driver.find_element(By.CSS_SELECTOR, "[data-step=rounds][data-by='-1']").click()
        phone.driver.find_element(By.CSS_SELECTOR, "[data-step=rounds][data-by='-1']").click()
        phone.driver.execute_script("document.getElementById('start-game').click()")
        for page in pages:
            wait_for(lambda: page.view() == "entry-view")
        for skip, page in enumerate((phone, desk)):
            typed = answers_for(page, skip + 1)
            typed[2] = "Zebra" if page is phone else typed[2]  # warned: a wrong first letter
            page.driver.find_element(By.ID, "answer1").click()
            for n, word in enumerate(typed):
                page.driver.switch_to.active_element.send_keys(word + (Keys.ENTER if n < 7 else ""))
        phone.driver.execute_script("document.activeElement.blur(); scrollTo(0, 0)")
        for page in pages:
            page.shot("round")
        for page in (phone, desk):
            page.driver.execute_script("document.getElementById('done-button').click()")
        for page in pages:
            wait_for(lambda: page.view() == "vote-view" and
                     page.driver.find_elements(By.CSS_SELECTOR, "#vote-rows li"))
        declines = desk.driver.find_elements(By.CSS_SELECTOR, "#vote-rows .vote-decline")
        if declines:
            declines[-1].click()
        for page in pages:
            page.shot("vote")
        for page in pages:
            wait_for(lambda: page.driver.find_elements(By.CSS_SELECTOR, ".vote-result:not(:empty)"))
            page.shot("vote-posted")
        wait_for(lambda: big.view() == "scores-view", 120)
        big.shot("scores")
        for page in pages:
            wait_for(lambda: page.view() == "winner-view", 120)
            page.shot("winner")
    finally:
        for page in pages:
            page.driver.quit()
        for p in procs:
            p.terminate()
            p.wait(10)


def reachable(port):
    try:
        socket.create_connection(("127.0.0.1", port), 0.5).close()
        return True
    except OSError:
        return False


if __name__ == "__main__":
    main()
