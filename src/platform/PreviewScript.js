// Tesselo's own script in the preview's page. It runs in a world of its own: the page's
// script sees neither it nor what it draws, and cannot call it. It takes a written sheet
// in again without reloading the page, lets the user pick an element, and outlines the
// elements of a selector in an overlay the page's styles cannot reach.
'use strict';
var tesseloPreview = (function () {
    const doc = document;
    const mostOutlined = 100;
    let host = null;    // our overlay's element in the page; its content is closed to it
    let layer = null;
    let frame = 0;
    let stamp = 0;
    const replacing = new WeakSet(); // links whose fresh copy is loading
    let lastApplied = null; // the file and copies the last rule applied went into
    let outlineSelector = '';
    let outlined = [];
    let picking = null; // the rules a picked element is tested against
    let hovered = null;
    let picked = null;  // the answer the program has not taken yet
    let lastPicked = null;  // the element picked last, whose states may be forced
    let forcedMarks = [];   // the attributes the forced states put, [element, name]
    let forcedStyle = null; // the style element of the forced states' rules
    let ended = false;  // the user ended picking on the page

    function overlay() {
        if (host && host.isConnected)
            return;
        if (!host) {
            host = doc.createElement('tesselo-overlay');
            host.setAttribute('style',
                'all: initial !important; display: block !important; position: fixed !important;' +
                ' left: 0 !important; top: 0 !important; width: 0 !important; height: 0 !important;' +
                ' overflow: visible !important; pointer-events: none !important;' +
                ' z-index: 2147483647 !important;');
            const root = host.attachShadow({mode: 'closed'});
            const style = doc.createElement('style');
            style.textContent =
                '.box { position: fixed; box-sizing: border-box; pointer-events: none;' +
                ' border: 2px solid #e8590c; background: rgba(232, 89, 12, 0.12); }' +
                '.box.pick { border-color: #1c7ed6; background: rgba(28, 126, 214, 0.15); }' +
                '.name { position: fixed; pointer-events: none; white-space: nowrap;' +
                ' font: 12px/16px sans-serif; color: #fff; background: #1c7ed6;' +
                ' padding: 1px 5px; border-radius: 2px; }';
            layer = doc.createElement('div');
            root.append(style, layer);
        }
        (doc.documentElement || doc).appendChild(host);
    }

    function box(element, kind) {
        const r = element.getBoundingClientRect();
        const made = doc.createElement('div');
        made.className = kind;
        made.style.cssText = `left: ${r.left}px; top: ${r.top}px; width: ${r.width}px;` +
                             ` height: ${r.height}px`;
        return made;
    }

    function nameOf(element) {
        let name = element.localName;
        if (element.id)
            name += '#' + element.id;
        for (const c of element.classList)
            name += '.' + c;
        return name;
    }

    function draw() {
        frame = 0;
        const shown = outlined.filter(e => e.isConnected);
        const hover = picking && hovered && hovered.isConnected ? hovered : null;
        if (!shown.length && !hover) {
            if (host)
                host.remove();
            return;
        }
        overlay();
        const parts = shown.map(e => box(e, 'box'));
        if (hover) {
            parts.push(box(hover, 'box pick'));
            const r = hover.getBoundingClientRect();
            const label = doc.createElement('div');
            label.className = 'name';
            label.textContent = nameOf(hover);
            const top = r.top >= 20 ? r.top - 19 : Math.max(0, r.bottom + 1);
            label.style.cssText = `left: ${Math.max(0, r.left)}px; top: ${top}px`;
            parts.push(label);
        }
        layer.replaceChildren(...parts);
    }

    function schedule() {
        if (!frame)
            frame = requestAnimationFrame(draw);
    }
    addEventListener('scroll', schedule, {capture: true, passive: true});
    addEventListener('resize', schedule, {passive: true});

    function sameFile(address, file) {
        try {
            const a = new URL(address, doc.baseURI);
            const b = new URL(file);
            return a.protocol === b.protocol && a.host === b.host && a.pathname === b.pathname;
        } catch (e) {
            return false;
        }
    }

    // Every link of the page to the file gets a fresh copy; the old one goes when the
    // copy has loaded, so the page never stands without the sheet.
    function swap(argument) {
        // The file written after the rule it changed went into the page's copies: those
        // that took it read as the file does, and are kept.
        const ahead = lastApplied;
        lastApplied = null;
        if (argument.afterApply && ahead && ahead.file === argument.file && ahead.count > 0 &&
            ahead.every)
            return {swapped: ahead.count, x: scrollX, y: scrollY};
        const links = Array.from(doc.querySelectorAll('link[href]')).filter(
            l => l.relList.contains('stylesheet') && sameFile(l.href, argument.file));
        ++stamp;
        for (const old of links) {
            if (replacing.has(old))
                continue;
            const fresh = old.cloneNode(false);
            const address = new URL(old.href, doc.baseURI);
            address.searchParams.set('tesselo', `${Date.now()}-${stamp}`);
            fresh.href = address.href;
            const done = () => {
                old.remove();
                refreshOutline();
            };
            fresh.addEventListener('load', done, {once: true});
            fresh.addEventListener('error', done, {once: true});
            replacing.add(old);
            old.after(fresh);
        }
        return {swapped: links.length, x: scrollX, y: scrollY};
    }

    // A rule's new text put into the page's copy of the sheet, found at the top of the
    // sheet by its selector as the engine writes it and by how many rules of that selector
    // stand before it; how many copies took it. Unless every copy of the file took it, the
    // file swapped in after it has the last word.
    function apply(argument) {
        lastApplied = null;
        let wanted;
        try {
            const scratch = new CSSStyleSheet();
            scratch.replaceSync(argument.selector + '{}');
            if (scratch.cssRules.length !== 1)
                return 0;
            wanted = scratch.cssRules[0].selectorText;
        } catch (e) {
            return 0;
        }
        let applied = 0;
        let copies = 0;
        for (const link of Array.from(doc.querySelectorAll('link[href]'))) {
            if (!link.relList.contains('stylesheet') || !sameFile(link.href, argument.file))
                continue;
            ++copies;
            if (!link.sheet || replacing.has(link))
                continue;
            let seen = 0;
            try {
                for (const rule of Array.from(link.sheet.cssRules)) {
                    if (!(rule instanceof CSSStyleRule) || rule.selectorText !== wanted)
                        continue;
                    if (seen++ === argument.occurrence) {
                        rule.style.cssText = argument.block;
                        ++applied;
                        break;
                    }
                }
            } catch (e) {
                // A sheet the page may not read waits for its file.
            }
        }
        if (applied)
            refreshOutline();
        lastApplied = {file: argument.file, count: applied, every: applied === copies};
        return applied;
    }

    function refreshOutline() {
        outlined = [];
        let count = 0;
        if (outlineSelector) {
            let all;
            try {
                all = doc.querySelectorAll(outlineSelector);
            } catch (e) {
                schedule();
                return -1;
            }
            for (const element of all) {
                if (element === host)
                    continue;
                ++count;
                if (outlined.length < mostOutlined)
                    outlined.push(element);
            }
        }
        schedule();
        return count;
    }

    function outline(argument) {
        outlineSelector = argument.selector;
        return refreshOutline();
    }

    // The conditions of the groups a rule stands in, one to a line ("@media print",
    // "@supports (display: grid)"): the rule counts only while they all hold.
    function holds(conditions) {
        return conditions.split('\n').every((group) => {
            const media = /^@media\s+(.*)$/is.exec(group);
            if (media)
                return matchMedia(media[1]).matches;
            const supports = /^@supports\s+(.*)$/is.exec(group);
            return supports ? CSS.supports(supports[1]) : true;
        });
    }

    // The rules that match the element, by their place in those given; of the rules
    // whose groups' conditions hold now (`live`), those `wanted`.
    function matching(element, live, wanted) {
        const matches = [];
        picking.forEach((rule, i) => {
            if (!live[i] || !wanted(rule))
                return;
            try {
                if (element.matches(rule.selector))
                    matches.push(i);
            } catch (e) {
                // A selector this engine does not know matches nothing.
            }
        });
        return matches;
    }

    function describe(element) {
        const live = picking.map(rule => {
            try {
                return !rule.media || holds(rule.media);
            } catch (e) {
                return false;
            }
        });
        // Each ancestor up to the root, tested only against the rules that pass
        // something on to their children.
        const ancestors = [];
        for (let up = element.parentElement; up; up = up.parentElement)
            ancestors.push({name: nameOf(up), matches: matching(up, live, rule => rule.inherits)});
        return {tag: element.localName, id: element.id || '',
                classes: Array.from(element.classList), matches: matching(element, live, () => true),
                sheets: sheetsMatching(element), facts: factsOf(element), ancestors: ancestors};
    }

    // The values the engine computes for the properties of the element picked last; none
    // when it is no longer on the page.
    function computed(argument) {
        if (!lastPicked || !lastPicked.isConnected)
            return {values: []};
        const style = getComputedStyle(lastPicked);
        return {values: argument.properties.map(
            name => [String(name), String(style.getPropertyValue(name)).trim().slice(0, 4096)])};
    }

    // The page's local sheets, those it imports included, in its order.
    function localSheets() {
        const found = [];
        const add = (sheet, depth) => {
            if (!sheet || depth > 8)
                return;
            if (sheet.href && sheet.href.startsWith('file:')) {
                const address = new URL(sheet.href);
                address.search = '';
                found.push({address: address.href, rules: 0});
            }
            try {
                for (const rule of Array.from(sheet.cssRules))
                    if (rule.styleSheet)
                        add(rule.styleSheet, depth + 1);
            } catch (e) {
                // Another origin's sheet keeps its imports to itself.
            }
        };
        for (const sheet of Array.from(doc.styleSheets))
            add(sheet, 0);
        return found;
    }

    // What decides whether a declaration acts on the element.
    function factsOf(element) {
        const style = getComputedStyle(element);
        const parent = element.parentElement;
        return {display: style.display, position: style.position,
                parentDisplay: parent ? getComputedStyle(parent).display : ''};
    }

    // The page's local sheets (its own included) and how many of their rules match the
    // element now; -1 for a sheet the page may not read.
    function sheetsMatching(element) {
        const found = [];
        const walk = (rules) => {
            let count = 0;
            for (const rule of Array.from(rules)) {
                if (rule.selectorText !== undefined) {
                    try {
                        count += element.matches(rule.selectorText) ? 1 : 0;
                    } catch (e) {
                        // A selector this engine does not know matches nothing.
                    }
                } else if (rule.cssRules && rule.media) {
                    count += matchMedia(rule.media.mediaText).matches ? walk(rule.cssRules) : 0;
                } else if (rule.cssRules && rule.conditionText !== undefined) {
                    count += CSS.supports(rule.conditionText) ? walk(rule.cssRules) : 0;
                }
            }
            return count;
        };
        for (const sheet of Array.from(doc.styleSheets)) {
            if (!sheet.href || !sheet.href.startsWith('file:'))
                continue;
            let count = -1;
            try {
                count = walk(sheet.cssRules);
            } catch (e) {
                // Another origin's sheet keeps its rules to itself.
            }
            const address = new URL(sheet.href);
            address.search = '';
            found.push({address: address.href, rules: count});
        }
        return found;
    }

    function under(event) {
        const found = doc.elementFromPoint(event.clientX, event.clientY) || event.target;
        return found instanceof Element && found !== host ? found : null;
    }

    function stop() {
        picking = null;
        hovered = null;
        schedule();
        return true;
    }

    // While picking, the page's own handlers see no pointer event: ours on the window
    // come first in the capture phase, registered before any of the page's.
    function onPointer(event) {
        if (!picking)
            return;
        event.preventDefault();
        event.stopImmediatePropagation();
        if (event.type === 'click') {
            const element = under(event);
            if (element) {
                force({states: [], sheet: ''});
                lastPicked = element;
                picked = describe(element);
                stop();
            }
        } else if (event.type === 'mousemove' || event.type === 'mouseover') {
            const element = under(event);
            if (element !== hovered) {
                hovered = element;
                schedule();
            }
        }
    }
    for (const type of ['click', 'dblclick', 'auxclick', 'contextmenu', 'mousedown', 'mouseup',
                        'mousemove', 'mouseover', 'mouseout', 'mouseenter', 'mouseleave',
                        'pointerdown', 'pointerup', 'pointermove', 'pointerover', 'pointerout',
                        'pointerenter', 'pointerleave', 'touchstart', 'touchend', 'touchmove',
                        'submit'])
        addEventListener(type, onPointer, {capture: true, passive: false});
    addEventListener('keydown', event => {
        if (!picking || event.key !== 'Escape')
            return;
        event.preventDefault();
        event.stopImmediatePropagation();
        ended = true;
        stop();
    }, {capture: true});

    // The states forced on the element picked last: an attribute per state on it (and on
    // its ancestors for the states they share), and the sheet's rules of those states
    // rewritten to those attributes in a style element after the page's own. No event
    // is sent: the page's scripts see nothing happen.
    function force(argument) {
        forcedMarks.forEach(([element, name]) => element.removeAttribute(name));
        forcedMarks = [];
        if (forcedStyle) {
            forcedStyle.remove();
            forcedStyle = null;
        }
        if (!lastPicked || !lastPicked.isConnected || !argument.states.length)
            return true;
        for (const state of argument.states) {
            const name = 'data-tesselo-' + state;
            const shared = state === 'hover' || state === 'active' || state === 'focus-within';
            for (let element = lastPicked; element; element = shared ? element.parentElement : null) {
                element.setAttribute(name, '');
                forcedMarks.push([element, name]);
            }
        }
        forcedStyle = doc.createElement('style');
        forcedStyle.textContent = argument.sheet;
        (doc.head || doc.documentElement).appendChild(forcedStyle);
        return true;
    }

    return {
        swap: swap,
        apply: apply,
        outline: outline,
        force: force,
        computed: computed,
        sheets: localSheets,
        start: argument => {
            picking = argument.rules;
            picked = null;
            ended = false;
            return true;
        },
        stop: stop,
        // What the program has not heard yet: the element picked, or the end of picking.
        take: () => {
            const answer = {picking: !!picking, picked: picked, ended: ended};
            picked = null;
            ended = false;
            return answer;
        },
        restore: argument => {
            scrollTo(argument.x, argument.y);
            return true;
        },
    };
})();
