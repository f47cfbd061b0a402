#!/usr/bin/env python3
"""Opens a session report in headless Chromium and prints what a reader would find.

    open-in-browser.py REPORT.html [--screenshot FILE.png [--element ID]]
                       [--chromium PATH]

Chromium is driven through its DevTools protocol over a pipe (file descriptors 3 and
4), so nothing but Python and Chromium is needed. The screenshot shows the whole
page, or with --element only the element of that id. One line per finding, fields
separated by tabs:

    error   TEXT                      a console error or an uncaught exception
    chart   ID  WIDTH  HEIGHT  INKED  a chart's canvas: its size in pixels, and how
                                      many of its pixels were drawn on
    row     TABLE_ID  CELL...         a row of a table's body, cell texts trimmed
    shown   MILLISECONDS              from the start of loading to the charts drawn

Exit status 0 when the page loaded (whatever it showed), 1 when it did not.
"""

import base64
import fcntl
import json
import os
import select
import shutil
import subprocess
import sys
import tempfile
import time
from pathlib import Path

TIMEOUT_SECONDS = 60
WIDTH = 1200

# What the page shows, read once it has loaded and two frames have been drawn.
READ_PAGE = r"""
new Promise(done => requestAnimationFrame(() => requestAnimationFrame(() => {
    const charts = [...document.querySelectorAll('.chart')].map(chart => {
        const canvas = chart.querySelector('canvas');
        if (!canvas) return [chart.id, 0, 0, 0];
        const box = canvas.getBoundingClientRect();
        const pixels = canvas.getContext('2d').getImageData(0, 0, canvas.width, canvas.height).data;
        let inked = 0;
        for (let i = 3; i < pixels.length; i += 4) if (pixels[i] !== 0) ++inked;
        return [chart.id, Math.round(box.width), Math.round(box.height), inked];
    });
    const rows = [...document.querySelectorAll('table[id] tbody tr')].map(row =>
        [row.closest('table').id, ...[...row.cells].map(cell => cell.textContent.trim())]);
    done(JSON.stringify({charts, rows, height: document.documentElement.scrollHeight,
                         shown: Math.round(performance.now())}));
})))
"""


class Browser:
    def __init__(self, chromium, profile):
        to_browser = os.pipe()
        from_browser = os.pipe()

        def on_pipes():
            # The protocol's pipes must be descriptors 3 and 4 in the browser. They are
            # first moved above 4, so that neither is closed by the other's dup2.
            reading = fcntl.fcntl(to_browser[0], fcntl.F_DUPFD, 5)
            writing = fcntl.fcntl(from_browser[1], fcntl.F_DUPFD, 5)
            os.dup2(reading, 3)
            os.dup2(writing, 4)

        self.process = subprocess.Popen(
            [chromium, "--headless", "--no-sandbox", "--disable-gpu", "--no-first-run",
             "--disable-background-networking", "--disable-component-update",
             "--disable-sync", "--disable-extensions", "--disable-dev-shm-usage",
             "--hide-scrollbars", f"--user-data-dir={profile}", "--remote-debugging-pipe",
             "about:blank"],
            stdin=subprocess.DEVNULL, stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL,
            close_fds=False, preexec_fn=on_pipes)
        os.close(to_browser[0])
        os.close(from_browser[1])
        self.out = to_browser[1]
        self.inp = from_browser[0]
        self.buffer = b""
        self.next_id = 0
        self.events = []
        self.deadline = time.monotonic() + TIMEOUT_SECONDS

    def _message(self):
        while b"\0" not in self.buffer:
            left = self.deadline - time.monotonic()
            if left <= 0 or not select.select([self.inp], [], [], left)[0]:
                raise TimeoutError("the browser did not answer in time")
            chunk = os.read(self.inp, 1 << 20)
            if not chunk:
                raise EOFError("the browser closed its pipe")
            self.buffer += chunk
        message, self.buffer = self.buffer.split(b"\0", 1)
        return json.loads(message)

    def send(self, method, params=None, session=None):
        self.next_id += 1
        command = {"id": self.next_id, "method": method, "params": params or {}}
        if session:
            command["sessionId"] = session
        os.write(self.out, json.dumps(command).encode() + b"\0")
        while True:
            message = self._message()
            if message.get("id") == self.next_id:
                if "error" in message:
                    raise RuntimeError(f"{method}: {message['error'].get('message')}")
                return message.get("result", {})
            self.events.append(message)

    def wait_for(self, method):
        for event in self.events:
            if event.get("method") == method:
                return event
        while True:
            message = self._message()
            self.events.append(message)
            if message.get("method") == method:
                return message

    def close(self):
        try:
            self.send("Browser.close")
        except (OSError, EOFError, TimeoutError, RuntimeError):
            pass
        try:
            self.process.wait(timeout=10)
        except subprocess.TimeoutExpired:
            self.process.kill()
            self.process.wait()


def console_errors(events):
    for event in events:
        method, params = event.get("method"), event.get("params", {})
        if method == "Runtime.consoleAPICalled" and params.get("type") in ("error", "assert"):
            yield " ".join(str(arg.get("value", arg.get("description", "")))
                           for arg in params.get("args", []))
        elif method == "Runtime.exceptionThrown":
            details = params.get("exceptionDetails", {})
            yield details.get("exception", {}).get("description") or details.get("text", "")
        elif method == "Log.entryAdded" and params.get("entry", {}).get("level") == "error":
            yield params["entry"].get("text", "")


def element_box(browser, session, element):
    """The element's box on the page, which is shown whole, for a screenshot's clip."""
    expression = (f"JSON.stringify(document.getElementById({json.dumps(element)})"
                  ".getBoundingClientRect())")
    result = browser.send("Runtime.evaluate", {"expression": expression, "returnByValue": True},
                          session=session)
    value = result.get("result", {}).get("value")
    if not value or value == "null":
        raise RuntimeError(f"no element has the id {element}")
    box = json.loads(value)
    return {"x": box["x"], "y": box["y"], "width": box["width"], "height": box["height"],
            "scale": 1}


def main(arguments):
    page, screenshot, element = None, None, None
    chromium = shutil.which("chromium") or "/usr/bin/chromium"
    while arguments:
        argument = arguments.pop(0)
        if argument == "--screenshot" and arguments:
            screenshot = arguments.pop(0)
        elif argument == "--element" and arguments:
            element = arguments.pop(0)
        elif argument == "--chromium" and arguments:
            chromium = arguments.pop(0)
        elif page is None and not argument.startswith("--"):
            page = argument
        else:
            print(__doc__, file=sys.stderr)
            return 2
    if page is None or (element and not screenshot):
        print(__doc__, file=sys.stderr)
        return 2

    with tempfile.TemporaryDirectory(prefix="fxreport-chromium-") as profile:
        browser = Browser(chromium, profile)
        try:
            target = browser.send("Target.createTarget", {"url": "about:blank"})["targetId"]
            session = browser.send("Target.attachToTarget",
                                   {"targetId": target, "flatten": True})["sessionId"]
            for domain in ("Page.enable", "Runtime.enable", "Log.enable"):
                browser.send(domain, session=session)
            metrics = {"width": WIDTH, "height": 900, "deviceScaleFactor": 1, "mobile": False}
            browser.send("Emulation.setDeviceMetricsOverride", metrics, session=session)
            browser.send("Page.navigate", {"url": Path(page).resolve().as_uri()},
                         session=session)
            browser.wait_for("Page.loadEventFired")
            result = browser.send("Runtime.evaluate", {"expression": READ_PAGE,
                                                       "awaitPromise": True,
                                                       "returnByValue": True},
                                  session=session)
            if "exceptionDetails" in result:
                raise RuntimeError(result["exceptionDetails"].get("text", "page not readable"))
            found = json.loads(result["result"]["value"])
            if screenshot:
                metrics["height"] = found["height"]
                browser.send("Emulation.setDeviceMetricsOverride", metrics, session=session)
                options = {"format": "png"}
                if element:
                    options["clip"] = element_box(browser, session, element)
                shot = browser.send("Page.captureScreenshot", options, session=session)
                Path(screenshot).write_bytes(base64.b64decode(shot["data"]))
        except (OSError, EOFError, TimeoutError, RuntimeError, KeyError) as failure:
            print(f"open-in-browser: {page}: {failure}", file=sys.stderr)
            browser.close()
            return 1
        browser.close()

    clean = lambda text: " ".join(str(text).split())
    for error in console_errors(browser.events):
        print(f"error\t{clean(error)}")
    for chart in found["charts"]:
        print("chart\t" + "\t".join(str(field) for field in chart))
    for row in found["rows"]:
        print("row\t" + "\t".join(clean(cell) for cell in row))
    print(f"shown\t{found['shown']}")
    return 0


if __name__ == "__main__":
    sys.exit(main(sys.argv[1:]))
