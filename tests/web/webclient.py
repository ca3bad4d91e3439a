#!/usr/bin/python3
"""The web client in a real browser against the real host.

Two web players in headless Chromium at phone sizes and one computer player
(lexiburst-bot, built on the client core) play a whole game to the winner:
the votes of all three show in the results. One web player closes its tab
while the answer time runs and comes back with its seat, score and answers.
A page of another origin cannot open the game's WebSocket, and a web
player's text outside Latin-1 reaches a TCP client as "?".

    webclient.py LEXIBURST-HOST LEXIBURST-BOT
"""

import http.server
import json
import os
import socket
import subprocess
import sys
import tempfile
import threading
import time

SECOND_MS = 250
MISSING = 77  # ctest's skip code

try:
    from selenium import webdriver
    from selenium.webdriver.chrome.service import Service
    from selenium.webdriver.common.by import By
    from selenium.webdriver.common.keys import Keys
except ImportError:
    print("SKIP: the browser test needs python3-selenium")
    sys.exit(MISSING)
for need, path in (("chromium", "/usr/bin/chromium"), ("chromium-driver", "/usr/bin/chromedriver")):
    if not os.path.exists(path):
        print("SKIP: the browser test needs %s (%s)" % (need, path))
        sys.exit(MISSING)

# What the page shows, read in one call so a poll is cheap.
STATE_JS = """
const $ = (id) => document.getElementById(id);
const text = (id) => $(id).textContent;
return JSON.stringify({
  view: document.body.dataset.view || '', status: text('status'),
  heading: text('vote-heading'), winner: text('winner-text'), round: text('round'),
  letter: $('letter').alt, chat: text('chat-lines'),
  start: !$('start-button').hidden || !$('again-button').hidden,
  own: Number(($('seats').querySelector('tr.own') || {dataset: {}}).dataset.seat || 0),
  scores: [...$('seats').rows].map((r) => [r.cells[0].textContent, Number(r.cells[1].textContent)]),
  answers: [...document.querySelectorAll('#answers input')].map((i) => [i.value, i.disabled]),
  rows: [...document.querySelectorAll('#vote-rows li')].map((li) => ({
    answer: li.querySelector('.vote-answer').textContent,
    result: li.querySelector('.vote-result').textContent,
    decline: !!li.querySelector('.vote-decline:not(:disabled)')})),
  next: !$('next-button').disabled,
  wide: document.documentElement.scrollWidth > innerWidth,
});
"""

failures = []


def check(ok, what):
    print(("ok   " if ok else "FAIL ") + what)
    if not ok:
        failures.append(what)
    return ok


def wait_for(predicate, timeout, what):
    end = time.monotonic() + timeout
    while time.monotonic() < end:
        value = predicate()
        if value:
            return value
        time.sleep(0.05)
    raise AssertionError("timed out waiting for " + what)


def free_port_pair():
    while True:
        with socket.socket() as s:
            s.bind(("127.0.0.1", 0))
            port = s.getsockname()[1]
        if port < 65000:
            with socket.socket() as t:
                try:
                    t.bind(("127.0.0.1", port + 1))
                    return port
                except OSError:
                    continue


class Page:
    def __init__(self, label, url, width, height):
        self.label = label
        self.profile = tempfile.mkdtemp(prefix="webclient-")
        opts = webdriver.ChromeOptions()
        opts.binary_location = "/usr/bin/chromium"
        for arg in ("--headless=new", "--no-sandbox", "--disable-gpu", "--disable-dev-shm-usage",
                    "--user-data-dir=" + self.profile, "--window-size=%d,%d" % (width, height)):
            opts.add_argument(arg)
        self.driver = webdriver.Chrome(service=Service("/usr/bin/chromedriver"), options=opts)
        self.driver.set_window_size(width, height)
        self.url = url
        self.driver.get(url)
        self.seen = set()  # vote headings acted on

    def state(self):
        return json.loads(self.driver.execute_script(STATE_JS))

    def join(self, name):
        box = self.driver.find_element(By.ID, "name-input")
        box.clear()
        box.send_keys(name + Keys.ENTER)

    def click(self, element_id):
        self.driver.execute_script("document.getElementById(arguments[0]).click()", element_id)

    def type_answers(self, answers):
        """Types each answer and presses Return, which moves to the next box."""
        self.driver.find_element(By.ID, "answer1").click()
        for answer in answers:
            self.driver.switch_to.active_element.send_keys(answer + Keys.ENTER)


def main():
    host_program, bot_program = sys.argv[1], sys.argv[2]
    port = free_port_pair()
    env = dict(os.environ, LEXIBURST_SECOND_MS=str(SECOND_MS), ASAN_OPTIONS="detect_leaks=0",
               LEXIBURST_HOME=tempfile.mkdtemp(prefix="webclient-home-"))
    procs = [subprocess.Popen([host_program, "--port", str(port), "--web-port", str(port + 1)],
                              env=env, stdout=subprocess.DEVNULL, stderr=subprocess.PIPE)]
    base = "http://127.0.0.1:%d/" % (port + 1)
    pages = []
    try:
        wait_for(lambda: reachable(port + 1), 30, "the host's web port")
        url = base + "?second=%d" % SECOND_MS
        a = Page("Ann", url, 390, 844)
        b = Page("Bea", url, 360, 640)
        pages = [a, b]
        a.join("Ann")
        wait_for(lambda: a.state()["own"] == 1, 20, "Ann in seat 1")
        page_weight(a)
        b.join("Bea")
        wait_for(lambda: b.state()["own"] == 2, 20, "Bea in seat 2")
        procs.append(subprocess.Popen([bot_program, "--port", str(port), "--name", "Robo",
                                       "--skill", "3", "--seed", "7"], env=env,
                                      stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL))
        wait_for(lambda: "Robo is Connected." in a.state()["chat"], 30, "the bot's arrival")
        foreign_origin_refused(port + 1, a)

        # Ann leads: the start form with every option of the desktop window.
        wait_for(lambda: a.state()["start"], 20, "Ann's START button")
        a.click("start-button")
        for step in ("[data-step=rounds][data-by='-1']",) * 2:  # 3 rounds down to 1, then up to 2
            a.driver.find_element(By.CSS_SELECTOR, step).click()
        a.driver.find_element(By.CSS_SELECTOR, "[data-step=rounds][data-by='1']").click()
        check(a.driver.find_element(By.ID, "rounds").text == "2", "the start form counts rounds")
        a.click("start-game")
        play_game(a, b)
        non_latin1_arrives_as_question_marks(port, a)
    finally:
        for p in pages:
            p.driver.quit()
        for p in procs:
            p.terminate()
        for p in procs:
            try:
                p.wait(10)
            except subprocess.TimeoutExpired:
                p.kill()
        errors = procs[0].stderr.read().decode("utf-8", "replace")
        check("ERROR: AddressSanitizer" not in errors and "runtime error" not in errors,
              "the host ran clean")
    print("%d failure(s)" % len(failures))
    return 1 if failures else 0


def page_weight(page):
    """What the page loads before play: its code, styles and pictures."""
    size, ms = page.driver.execute_script("""
        const all = [...performance.getEntriesByType('navigation'),
                     ...performance.getEntriesByType('resource')];
        return [all.reduce((n, e) => n + e.encodedBodySize, 0),
                performance.getEntriesByType('navigation')[0].duration];""")
    print("page before play: %d bytes, loaded in %d ms" % (size, ms))
    check(0 < size <= 250 * 1024, "the page before play is at most 250 KB")
    # A high-density phone takes the twins the srcsets name: the host must serve them.
    missing = page.driver.execute_async_script("""
        const done = arguments[arguments.length - 1];
        const urls = new Set();
        for (const i of document.images)
            for (const c of [i.getAttribute('src') || '', ...i.srcset.split(',')])
                if (c.trim()) urls.add(new URL(c.trim().split(' ')[0], location.href).href);
        Promise.all([...urls].map((u) => fetch(u).then((r) => (r.ok ? '' : u))))
            .then((bad) => done(bad.filter(Boolean)));""")
    check(not missing, "every picture at 1x and 2x is served: missing %s" % missing)


def reachable(port):
    try:
        socket.create_connection(("127.0.0.1", port), 0.5).close()
        return True
    except OSError:
        return False


def play_game(a, b):
    """Plays rounds until the winner; Bea leaves and comes back in round 2."""
    answered = set()
    returned = False
    held = []  # Ann's Done waits in round 2 until Bea is back
    seen_views = set()
    results = {}  # answer -> result text, over every category
    while True:
        sa, sb = a.state(), b.state()
        for page, s in ((a, sa), (b, sb)):
            if (page.label, s["view"]) not in seen_views:
                seen_views.add((page.label, s["view"]))
                check(not s["wide"], "%s: no horizontal scrolling in %s" % (page.label, s["view"]))
        if sa["view"] == "winner-view" and sb["view"] == "winner-view":
            break
        for page, s in ((a, sa), (b, sb)):
            key = (page.label, s["round"], s["letter"])
            if s["view"] == "entry-view" and key not in answered and s["answers"] \
                    and not s["answers"][0][1]:
                answered.add(key)
                mine = [s["letter"] + page.label.lower() + str(n) for n in range(1, 9)]
                if page is b and s["round"].startswith("Round: 1 "):
                    mine[0] = "Quux"  # Q never comes up: a wrong first letter
                page.type_answers(mine)
                got = [v for v, _ in page.state()["answers"]]
                check(got == mine, "%s: Return moves to the next box" % page.label)
                if mine[0] == "Quux":
                    check("does not start with" in page.driver.find_element(By.ID, "answers").text,
                          "a wrong first letter is warned about")
                if page is b and s["round"].startswith("Round: 2 ") and not returned:
                    returned = True
                    leave_and_return(a, b, mine)
                    for later in held:
                        later.click("done-button")
                if page is a and s["round"].startswith("Round: 2 ") and not returned:
                    held.append(page)
                else:
                    page.click("done-button")
            heading = s["heading"]
            if s["view"] == "vote-view" and s["next"] and (page.label, s["round"], heading) not in page.seen:
                page.seen.add((page.label, s["round"], heading))
                for i, row in enumerate(s["rows"]):
                    # The web players' answers end in a digit; the bot's are words.
                    theirs = not row["answer"][-1:].isdigit() and row["answer"] != "Quux"
                    if row["decline"] and ((page is b and theirs) or (page is a and row["answer"] == "Quux")):
                        page.driver.find_elements(By.CSS_SELECTOR, "#vote-rows .vote-decline")[i].click()
                page.click("next-button")
            for row in s["rows"]:
                if row["result"]:
                    results[row["answer"]] = row["result"]
        time.sleep(0.05)
    final_a, final_b = a.state(), b.state()
    winners = {final_a["winner"].replace("You have", "Ann has"),
               final_b["winner"].replace("You have", "Bea has")}
    check(len(winners) == 1 and "Won the Game!" in final_a["winner"],
          "both pages show one winner: %s" % winners)
    check(final_a["scores"] == final_b["scores"], "both boards agree on the scores")
    # Ann and the bot declined Bea's wrong-letter answer; Bea declined every bot answer.
    check(results.get("Quux") == "Bea VOTES: 1",
          "the votes of Ann and the bot count against Quux: %s" % results.get("Quux"))
    bot_results = [r for ans, r in results.items() if r.startswith("Robo ")]
    check(bot_results and all(r == "Robo VOTES: 2" for r in bot_results),
          "Bea's votes count against the bot's answers: %s" % bot_results)
    check(any(r.startswith("Ann VOTES") for r in results.values()), "Ann's answers are voted on")


def leave_and_return(a, b, typed):
    before = b.state()
    seat, score = before["own"], before["scores"][before["own"] - 1][1]
    old = b.driver.current_window_handle
    b.driver.switch_to.new_window("tab")
    fresh = b.driver.current_window_handle
    b.driver.switch_to.window(old)
    b.driver.close()
    b.driver.switch_to.window(fresh)
    wait_for(lambda: "Bea disconnected; the seat is kept" in a.state()["chat"], 20,
             "Ann hearing that Bea is away")
    b.driver.get(b.url)
    wait_for(lambda: "Bea is back." in a.state()["chat"], 20, "Bea coming back")
    after = wait_for(lambda: (lambda s: s if [v for v, _ in s["answers"]] == typed else None)(b.state()),
                     20, "Bea's answers back in the boxes")
    check(after["own"] == seat and after["scores"][seat - 1][1] == score,
          "Bea is back in seat %d with %d points" % (seat, score))


def foreign_origin_refused(web_port, page):
    """A page served from elsewhere cannot open the game's WebSocket."""
    class Blank(http.server.BaseHTTPRequestHandler):
        def do_GET(self):
            self.send_response(200)
            self.send_header("Content-Type", "text/html")
            self.end_headers()
            self.wfile.write(b"<!doctype html><title>elsewhere</title>")

        def log_message(self, *args):
            pass

    server = http.server.ThreadingHTTPServer(("127.0.0.1", 0), Blank)
    threading.Thread(target=server.serve_forever, daemon=True).start()
    driver = page.driver
    home = driver.current_window_handle
    driver.switch_to.new_window("tab")
    try:
        driver.get("http://127.0.0.1:%d/" % server.server_address[1])
        outcome = driver.execute_async_script("""
            const done = arguments[arguments.length - 1];
            const ws = new WebSocket('ws://127.0.0.1:%d/ws');
            ws.onopen = () => done('opened');
            ws.onclose = () => done('refused');""" % web_port)
        check(outcome == "refused", "a foreign page cannot open the WebSocket (%s)" % outcome)
    finally:
        driver.close()
        driver.switch_to.window(home)
        server.shutdown()


def non_latin1_arrives_as_question_marks(port, page):
    """A TCP client, as the desktop program is, reads the web player's chat."""
    with socket.create_connection(("127.0.0.1", port), 10) as tcp:
        tcp.settimeout(10)
        received = b""
        while b"CMD_sendlogininfo+" not in received:
            received += tcp.recv(4096)
        seat = received.split(b"CMD_sendlogininfo+")[1].split(b"\xff")[0].decode()
        tcp.sendall(b"CMD_logininfo+" + seat.encode() + b"+1.0.4+Desk\xff\xff")
        wait_for(lambda: "Desk is Connected." in page.state()["chat"], 20, "the TCP client's arrival")
        chat = page.driver.find_element(By.ID, "chat-input")
        chat.send_keys("Grüße ☃ 世界" + Keys.ENTER)
        want = "Ann chats: Grüße ? ??|".encode("latin-1")
        end = time.monotonic() + 20
        while want not in received and time.monotonic() < end:
            try:
                received += tcp.recv(4096)
            except socket.timeout:
                break
        check(want in received, "non-Latin-1 chat reaches a TCP client as '?'")
        # The leader removes the TCP player from its seat on the board.
        desk = int(seat)
        page.driver.find_element(By.CSS_SELECTOR, "#seats tr[data-seat='%d']" % desk).click()
        page.driver.find_element(By.ID, "seat-remove").click()
        page.driver.switch_to.alert.accept()
        wait_for(lambda: "Desk was removed from the game." in page.state()["chat"], 20,
                 "the leader's removal")


if __name__ == "__main__":
    sys.exit(main())
