// SPDX-FileCopyrightText: 2025-2026 Ketharin <ketharin@example.org>
// SPDX-License-Identifier: GPL-3.0-or-later

// The page's own script: it starts the program (named by the body's data-program) with Qt's
// loader, and does for it what Qt's page layer does not: what a screen reader hears, the window
// fitted to small screens, the print page. The program calls vantrelPage's functions by name.
//
// Where it relies on how Qt's page layer builds its elements, it says so here (the program's
// MirrorId computes the mirror's ids the same way):
// - Qt mirrors each control for screen readers (once "Enable Screen Reader" is pressed) as an
//   element of the window's shadow tree whose id is the object names from the application down
//   to the control, joined by dots; a text box's mirror is an input with no name of its own.
// - While a text box has the focus, the page's focus is on Qt's input element: an input in the
//   page's body that carries Qt's input context as its "data-qinputcontext" property. Typed text
//   reaches Qt through its input events.
"use strict";

window.vantrelPage = (() => {
    const names = new Map();  // mirror id -> the box's accessible name
    const texts = new Map();  // mirror id -> the box's text

    const shadowRoots = () => [...document.querySelectorAll("*")]
        .filter((element) => element.shadowRoot).map((element) => element.shadowRoot);

    const qtInput = () => [...document.body.querySelectorAll("input")]
        .find((input) => "data-qinputcontext" in input);

    const setValue = (input, text) => {
        if (input.value !== text) {
            input.value = text;
        }
    };

    // The mirror appears when a reader turns it on, and is made again as windows change.
    const mirrorBoxes = () => {
        for (const root of shadowRoots()) {
            for (const [id, name] of names) {
                const box = root.getElementById(id);
                if (box) {
                    if (box.getAttribute("aria-label") !== name) {
                        box.setAttribute("aria-label", name);
                    }
                    setValue(box, texts.get(id) || "");
                }
            }
        }
    };
    let watching = false;
    const watchMirror = () => {
        if (watching) {
            return;
        }
        watching = true;
        const observer = new MutationObserver(mirrorBoxes);
        for (const root of [document, ...shadowRoots()]) {
            observer.observe(root, { childList: true, subtree: true });
        }
    };

    return {
        // The box of this mirror id is named so (its grade) for screen readers.
        nameBox(id, name) {
            names.set(id, name);
            watchMirror();
            mirrorBoxes();
        },

        // A box's text changed: its mirror holds it, and so does the page's focus while the box
        // has the focus.
        boxText(id, text, focused) {
            texts.set(id, text);
            mirrorBoxes();
            const input = qtInput();
            if (focused && input) {
                setValue(input, text);
            }
        },

        // A box took the focus: the element that holds the page's focus is named for it and
        // holds its text, so that a reader following the focus says which box it is in.
        focusBox(id) {
            const input = qtInput();
            if (input) {
                input.setAttribute("aria-label", names.get(id) || "");
                setValue(input, texts.get(id) || "");
            }
        },

        // Said at once, over what the reader was saying: the region is in the page from the
        // start, so that the first message is heard like every later one. A new text node each
        // time, so that the same message said again is said again.
        announce(message) {
            const region = document.getElementById("vantrel-announcement");
            region.textContent = "";
            region.appendChild(document.createTextNode(message));
        },

        // The window's image on the page's print-only part, at the window's size, handed to the
        // browser's printing.
        print(source, width, height, title) {
            const image = document.querySelector("#vantrel-print img");
            image.alt = title;
            image.src = source;
            image.style.width = width + "px";
            image.style.height = height + "px";
            window.print();
        },

        // Where the screen is narrower than the window with its frame (and a little room), the
        // page is laid out at that width and the browser shows it scaled down to fit the screen;
        // zooming in stays possible. Where it fits, the page is at the screen's own scale.
        fitWindow(width) {
            const viewport = document.querySelector("meta[name=viewport]");
            const room = 16;
            viewport.content = screen.width < width + room
                ? "width=" + (width + room)
                : "width=device-width, initial-scale=1";
        },
    };
})();

// Kept on this device after the first visit, to start without a network and to be installed as
// an app. Each visit online asks at once whether a new build is there.
if ("serviceWorker" in navigator && document.body.dataset.program === "vantrel") {
    navigator.serviceWorker.register("service-worker.js")
        .then((registration) => registration.update()).catch(() => {});
}

(async () => {
    const name = document.title;
    const status = document.getElementById("status");
    const screen = document.getElementById("screen");
    const show = (element) => {
        status.style.display = element === status ? "block" : "none";
        screen.style.display = element === screen ? "block" : "none";
    };
    // Qt draws its windows' title bars in a face that few systems have ("Lucida Grande"), and
    // a browser then falls back to a serif: the title takes the page's face instead.
    const titleFace = () => {
        for (const host of screen.querySelectorAll("*")) {
            if (host.shadowRoot && !host.shadowRoot.getElementById("vantrel-title-face")) {
                const style = document.createElement("style");
                style.id = "vantrel-title-face";
                style.textContent = ".title-bar .window-name { font-family: inherit; }";
                host.shadowRoot.appendChild(style);
            }
        }
    };
    show(status);
    try {
        await qtLoad({
            qt: {
                entryFunction: window[document.body.dataset.program + "_entry"],
                containerElements: [screen],
                localFonts: { familiesCollection: "NoFontFamilies" },
                onLoaded: () => show(screen),
                onExit: (exit) => {
                    status.textContent = exit.crashed
                        ? name + " stopped because of an error: " + exit.text
                          + ". Reload the page to start it again."
                        : name + " has ended. Reload the page to start it again.";
                    show(status);
                },
            },
        });
        titleFace();  // the program has started: its screen is in the page
    } catch (error) {
        status.textContent = name + " could not start: " + error;
        show(status);
    }
})();
