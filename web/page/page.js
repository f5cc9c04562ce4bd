// The page: settings as the command line's options, sent to POST /api/run with this start's token.
"use strict";

const token = new URLSearchParams(location.search).get("token") || "";
const $ = (id) => document.getElementById(id);
const RANGES = ["A1", "A2", "B1", "B2", "C1", "C2", "D1", "D2", "E1", "E2"];
// The filters' families, by their first and last number.
const GROUPS = [
  [1, 2, "Sum of the numbers"], [3, 6, "Even and odd numbers"], [7, 8, "Lucky and unlucky number"],
  [9, 18, "Numbers by position"], [19, 31, "Groups of consecutive numbers"],
  [32, 35, "Differences and last digits"], [36, 45, "Numbers in ranges"],
  [46, 51, "Residue arrays"], [52, 61, "Parity at the edges"], [62, 64, "Your arrays"],
];

// One run of the command line; {status, body, notes}. With onProgress the answer comes as events;
// with blob a success's body is a Blob (an export may pass the longest string a browser holds).
async function api(args, files, options = {}) {
  const headers = { "Content-Type": "application/json", "Authorization": "Bearer " + token };
  if (options.onProgress) headers["Accept"] = "text/event-stream";
  const response = await fetch("/api/run", {
    method: "POST", headers, signal: options.signal,
    body: JSON.stringify(files ? { args, files } : { args }),
  });
  if (!options.onProgress || response.headers.get("Content-Type") !== "text/event-stream") {
    const notes = JSON.parse(response.headers.get("X-Lotto739-Notes") || "[]");
    const body = options.blob && response.ok ? await response.blob() : await response.text();
    return { status: response.status, body, notes };
  }
  const reader = response.body.getReader();
  const decoder = new TextDecoder();
  let buffered = "";
  for (;;) {
    const { value, done } = await reader.read();
    if (done) break;
    buffered += decoder.decode(value, { stream: true });
    let end;
    while ((end = buffered.indexOf("\n\n")) >= 0) {
      const block = buffered.slice(0, end);
      buffered = buffered.slice(end + 2);
      const kind = block.match(/^event: (.*)$/m)[1];
      const data = block.match(/^data: (.*)$/m)[1];
      if (kind === "progress") options.onProgress(data);
      if (kind === "result") return JSON.parse(data);
    }
  }
  throw new Error("the server closed the answer early");
}

function errorOf(answer) {
  try { return JSON.parse(answer.body).error; } catch (e) { return answer.body; }
}

// ---- settings: the page's controls <-> the command line's options ----

function game() { return Number($("game").value); }

function combinations(n) {
  let c = 1;
  for (let i = 0; i < 7; ++i) c = c * (n - i) / (i + 1);
  return Math.round(c);
}

function settingsArgs() {
  const args = [];
  if (game() !== 39) args.push("--game", "7/" + game());
  for (let k = 1; k <= 64; ++k) {
    const on = $("f" + k).checked, value = $("p" + k) ? $("p" + k).value.trim() : "";
    if (on) args.push("-f", value === "" ? String(k) : k + "=" + value);
    else if (value !== "") args.push("-p", k + "=" + value);
  }
  for (const r of RANGES) {
    const v = $("r" + r).value.replace(/\s+/g, "");
    if (v !== "") args.push("-r", r + "=" + v);
  }
  for (const a of ["array7", "array15"]) {
    const v = $(a).value.replace(/\s+/g, "");
    if (v !== "") args.push("--" + a, v);
  }
  return args;
}

// Sets the controls from options as settingsArgs() writes them and the settings file holds them.
async function applyArgs(args) {
  const values = { filters: {}, ranges: {}, arrays: {} };
  let n = 39;
  for (let i = 0; i + 1 < args.length; i += 2) {
    const option = args[i], value = args[i + 1];
    if (option === "--game") n = Number(value.replace(/^7\//, ""));
    else if (option === "-f" || option === "--filter" || option === "-p" || option === "--param") {
      for (const part of value.split(",")) {
        const [k, p] = part.split("=");
        const f = values.filters[k] || (values.filters[k] = { on: false, value: "" });
        if (option === "-f" || option === "--filter") f.on = true;
        if (p !== undefined) f.value = p;
      }
    } else if (option === "-r" || option === "--range") {
      const [r, span] = value.split("=");
      values.ranges[r] = span;
    } else if (option === "--array7" || option === "--array15") values.arrays[option.slice(2)] = value;
  }
  if (n >= 8 && n <= 64) $("game").value = String(n);
  await buildFilters();
  for (let k = 1; k <= 64; ++k) {
    const f = values.filters[k] || { on: false, value: "" };
    $("f" + k).checked = f.on;
    if ($("p" + k)) $("p" + k).value = f.value;
  }
  for (const r of RANGES) $("r" + r).value = values.ranges[r] || "";
  for (const a of ["array7", "array15"]) $(a).value = values.arrays[a] || "";
}

function argsFromText(text) {
  const args = [];
  for (const raw of text.split(/\r?\n/)) {
    const line = raw.trim();
    if (line === "" || line.startsWith("#")) continue;
    const space = line.indexOf(" ");
    if (space > 0) args.push(line.slice(0, space), line.slice(space + 1).trim());
  }
  return args;
}

let builtFor = 0;
async function buildFilters() {
  if (builtFor === game()) return;
  const kept = {};
  for (let k = 1; k <= 64; ++k)
    if ($("f" + k)) kept[k] = { on: $("f" + k).checked, value: $("p" + k) ? $("p" + k).value : "" };
  const answer = await api(["--list", "--game", "7/" + game(), "--format", "json"]);
  if (answer.status !== 200) return showProblem(errorOf(answer));
  builtFor = game();
  const list = JSON.parse(answer.body).filters;
  const box = $("filters");
  box.textContent = "";
  for (const [first, last, name] of GROUPS) {
    const set = document.createElement("fieldset");
    const legend = document.createElement("legend");
    legend.textContent = name;
    set.append(legend);
    for (const f of list.filter((f) => f.filter >= first && f.filter <= last)) {
      const row = document.createElement("div");
      row.className = "filter";
      const on = document.createElement("input");
      on.type = "checkbox";
      on.id = "f" + f.filter;
      const label = document.createElement("label");
      label.htmlFor = on.id;
      label.textContent = f.label.trim();
      row.append(on, label);
      if (f.highest !== null) {
        const value = document.createElement("input");
        value.type = "number";
        value.min = "0";
        value.max = String(f.highest);
        value.id = "p" + f.filter;
        value.setAttribute("aria-label", f.label.trim() + ": value 0 to " + f.highest);
        value.title = "0.." + f.highest;
        row.append(value);
      } else {
        row.append(document.createElement("span"));
      }
      set.append(row);
    }
    box.append(set);
  }
  for (const k in kept) {
    if (!$("f" + k)) continue;
    $("f" + k).checked = kept[k].on;
    if ($("p" + k)) $("p" + k).value = kept[k].value;
  }
}

// ---- the live count and the funnel ----

let latest = 0, counting = null, timer = 0;

function showProblem(text) { $("problem").textContent = text || ""; }

function schedule() {
  clearTimeout(timer);
  timer = setTimeout(recount, 200);
}

async function recount() {
  const seq = ++latest;
  if (counting) counting.abort(); // the server cancels the outdated run
  counting = new AbortController();
  const args = settingsArgs();
  history.replaceState(null, "", location.pathname + location.search + "#" + encodeURIComponent(args.join(" ")));
  const started = performance.now();
  try {
    const answer = await api([...args, "-q", "--format", "json"], null, { signal: counting.signal });
    if (seq !== latest) return; // an outdated answer
    if (answer.status !== 200) {
      $("count").textContent = "No count: the settings are not valid.";
      showProblem(errorOf(answer));
      $("funnel").textContent = "";
      return;
    }
    showProblem("");
    const stored = JSON.parse(answer.body).stored, full = combinations(game());
    const ms = Math.round(performance.now() - started);
    $("count").innerHTML = "";
    const strong = document.createElement("strong");
    strong.id = "stored";
    strong.textContent = String(stored);
    $("count").append(strong, " of " + full + " combinations (" + (100 * stored / full).toFixed(2) +
      "%), counted in " + ms + " ms");
    const funnel = args.some((a) => a === "-f")
      ? await api([...args, "--funnel", "--format", "json"], null, { signal: counting.signal }) : null;
    if (seq !== latest) return;
    drawFunnel(funnel && funnel.status === 200 ? JSON.parse(funnel.body) : null, full);
  } catch (e) {
    if (e.name !== "AbortError" && seq === latest) showProblem("The server did not answer: " + e.message);
  }
}

function drawFunnel(funnel, full) {
  const box = $("funnel");
  box.textContent = "";
  if (!funnel) return;
  const heading = document.createElement("h3");
  heading.textContent = "Funnel: kept after each filter, in order";
  box.append(heading);
  for (const f of funnel.filters) {
    const bar = document.createElement("div");
    bar.className = "bar";
    const name = document.createElement("span");
    name.textContent = f.label.trim();
    const track = document.createElement("span");
    track.className = "track";
    const fill = document.createElement("span");
    fill.className = "fill";
    fill.style.display = "block";
    fill.style.width = (100 * f.cumulative / full).toFixed(2) + "%";
    track.append(fill);
    const num = document.createElement("span");
    num.className = "num";
    num.textContent = String(f.cumulative);
    bar.append(name, track, num);
    bar.title = f.label.trim() + ": " + f.alone + " alone, " + f.cumulative + " together with those above";
    box.append(bar);
  }
}

// ---- the commands behind the buttons ----

let running = null;

// The command's text in the output pane: its summary lines ("# ...") wrap to the pane, so that a
// guarantee is read whole; tickets and tables keep their columns (the pane scrolls sideways).
function showText(text) {
  const out = $("output");
  out.textContent = "";
  let plain = "";
  const lines = text.split("\n");
  for (let i = 0; i < lines.length; ++i) {
    const line = i + 1 < lines.length ? lines[i] + "\n" : lines[i];
    if (!line.startsWith("#")) {
      plain += line;
      continue;
    }
    const note = document.createElement("span");
    note.className = "wrap";
    note.textContent = line;
    if (plain) out.append(plain);
    out.append(note);
    plain = "";
  }
  if (plain) out.append(plain);
}

function show(answer) {
  $("notes").textContent = (answer.notes || []).join("\n");
  if (answer.status === 200) {
    showProblem("");
    if (typeof answer.body === "string") showText(answer.body);
  } else {
    showProblem(errorOf(answer));
    $("output").textContent = "";
  }
}

// A chosen file's text as the command line reads the file from disk: UTF-16 by its byte-order
// mark or by NUL bytes beside three in four of its ASCII characters, else UTF-8 where it is valid
// and Windows-1252 where not (a spreadsheet's export). Blob.text() would read every file as UTF-8
// and turn "März" in Windows-1252 into "M\uFFFDrz", so that its dates were lost.
async function readText(file) {
  const bytes = new Uint8Array(await file.arrayBuffer());
  let utf16 = bytes[0] === 0xff && bytes[1] === 0xfe ? "utf-16le"
            : bytes[0] === 0xfe && bytes[1] === 0xff ? "utf-16be" : "";
  const isUtf32 = utf16 === "utf-16le" && bytes[2] === 0 && bytes[3] === 0;
  if (!utf16 && bytes.includes(0)) {
    let little = 0, big = 0;
    const ascii = (b) => b >= 1 && b < 0x80;
    for (let i = 0; i + 1 < bytes.length; i += 2) {
      if (ascii(bytes[i]) && bytes[i + 1] === 0) ++little;
      if (bytes[i] === 0 && ascii(bytes[i + 1])) ++big;
    }
    const units = Math.floor(bytes.length / 2);
    if (units > 0 && little * 4 >= units * 3) utf16 = "utf-16le";
    else if (units > 0 && big * 4 >= units * 3) utf16 = "utf-16be";
  }
  // UTF-32 and other bytes the command line refuses go as UTF-8 would read them: it says why.
  if (utf16 && !isUtf32) return new TextDecoder(utf16).decode(bytes);
  try {
    return new TextDecoder("utf-8", { fatal: true }).decode(bytes);
  } catch (e) {
    return bytes.includes(0) ? new TextDecoder("utf-8").decode(bytes)
                             : new TextDecoder("windows-1252").decode(bytes);
  }
}

async function fileTexts(ids) {
  const files = {}, names = {};
  for (const id of ids) {
    const chosen = $(id).files[0];
    if (!chosen) continue;
    // Two files of one name (from two folders) stay two.
    let name = chosen.name;
    for (let n = 2; name in files; ++n) name = n + "-" + chosen.name;
    files[name] = await readText(chosen);
    names[id] = name;
  }
  return { files, names };
}

async function command(args, files, onProgress, blob = false) {
  if (running) running.abort();
  running = new AbortController();
  $("stop").disabled = false;
  $("view").textContent = "";
  $("output").textContent = "Working…";
  try {
    const answer = await api(args, files, { signal: running.signal, onProgress, blob });
    show(answer);
    return answer;
  } catch (e) {
    if (e.name === "AbortError") $("output").textContent = "Stopped.";
    else showProblem("The server did not answer: " + e.message);
    return null;
  } finally {
    $("stop").disabled = true;
    $("progress").textContent = "";
  }
}

function download(name, data, type) {
  const link = document.createElement("a");
  link.href = URL.createObjectURL(data instanceof Blob ? data : new Blob([data], { type }));
  link.download = name;
  document.body.append(link);
  link.click();
  link.remove();
  setTimeout(() => URL.revokeObjectURL(link.href), 1000);
}

// The lines of a text Blob, read in chunks (no string holds it whole).
async function lineCount(blob) {
  let lines = 0;
  const reader = blob.stream().getReader();
  for (;;) {
    const { value, done } = await reader.read();
    if (done) return lines;
    for (let i = value.indexOf(10); i >= 0; i = value.indexOf(10, i + 1)) ++lines;
  }
}

async function withHistory(extra) {
  const { files, names } = await fileTexts(["history"]);
  if (!names.history) return showProblem("Choose a history file first.");
  command([...settingsArgs(), "--history", names.history, ...extra], files);
}

let tickets = "", ticketsGame = 39;
const FOUND = ["tickets-text", "tickets-csv", "odds-found"];
async function search(args, files) {
  for (const id of FOUND) $(id).disabled = true;
  const answer = await command(args, files, (line) => { $("progress").textContent = line; });
  if (answer && answer.status === 200) {
    tickets = answer.body;
    ticketsGame = game();
    for (const id of FOUND) $(id).disabled = false;
  }
}

// The tickets as the command line's CSV: with a repair, the tickets after "# added:" are marked.
function ticketsCsv(text) {
  const repaired = /^# added:/m.test(text);
  const rows = ["ticket,n1,n2,n3,n4,n5,n6,n7" + (repaired ? ",added" : "")];
  let added = false;
  for (const line of text.split(/\r?\n/)) {
    if (line.startsWith("# added:")) added = true;
    if (!/^\d/.test(line)) continue;
    const numbers = line.split(/,\s*/).map(Number).join(",");
    rows.push(rows.length + "," + numbers + (repaired ? (added ? ",yes" : ",no") : ""));
  }
  return rows.join("\n") + "\n";
}

// Build wheel: the wheel's options, and those that shape its tickets (budget, keys, filters, repair).
async function wheel() {
  const args = $("filtered-tickets").checked ? [...settingsArgs(), "--filtered-tickets"]
                                              : ["--game", "7/" + game()];
  args.push("--wheel", $("wheel-numbers").value.replace(/\s+/g, ""), "--guarantee",
            $("guarantee").value.trim(), "--seed", $("wheel-seed").value);
  if ($("budget").value.trim() !== "") args.push("--tickets", $("budget").value.trim());
  const keys = $("keys").value.replace(/\s+/g, "");
  if (keys !== "") args.push("--keys", keys);
  const { files, names } = await fileTexts(["repair"]);
  if (names.repair) args.push("--repair", names.repair);
  search(args, names.repair ? files : null);
}

// ---- the odds of a ticket set, as a table ----

function oneIn(count, draws) {
  if (count === 0) return "never";
  const x = draws / count;
  return "1 in " + (x >= 10 ? String(Math.round(x)) : x.toFixed(2));
}

async function odds(name, files, gameOfTickets, shownAs) {
  const filtered = $("odds-filtered").checked;
  const args = filtered ? settingsArgs().filter((a, i, all) => a !== "--game" && all[i - 1] !== "--game")
                        : [];
  args.unshift("--game", "7/" + gameOfTickets);
  const answer = await command([...args, "--odds", name, "--format", "json"], files);
  if (!answer || answer.status !== 200) return;
  const r = JSON.parse(answer.body);
  $("output").textContent = "";
  const table = document.createElement("table");
  table.id = "odds-table";
  const caption = table.createCaption();
  caption.textContent = "Odds of the " + r.tickets + " ticket" + (r.tickets === 1 ? "" : "s") + " " +
    shownAs + (r.filtered ? " over the " + r.draws + " draws of 7/" + r.game + " that pass your filters"
                       : " over all " + r.draws + " draws of 7/" + r.game);
  const head = table.createTHead().insertRow();
  for (const title of ["Best match", "Draws", "Exactly", "At least", "Tickets expected"]) {
    const th = document.createElement("th");
    th.scope = "col";
    th.textContent = title;
    head.append(th);
  }
  const body = table.createTBody();
  for (let k = 7; k >= 0; --k) {
    const row = body.insertRow();
    const th = document.createElement("th");
    th.scope = "row";
    th.textContent = String(k);
    row.append(th);
    const atLeast = r.best.slice(k).reduce((a, b) => a + b, 0);
    for (const cell of [String(r.best[k]), oneIn(r.best[k], r.draws), oneIn(atLeast, r.draws),
                        r.expected_tickets[k].toFixed(6)])
      row.insertCell().textContent = cell;
  }
  const fair = document.createElement("p");
  fair.textContent = (r.filtered ? "If the draw passes your filters, these" : "These") +
    " are the odds of a fair draw, every draw as likely as any other: no ticket set changes the " +
    "chance of any one ticket; more tickets only add their chances up.";
  $("view").append(table, fair);
}

// ---- how often each number was drawn, as a bar chart beside chance ----

const SVG = "http://www.w3.org/2000/svg";
function svg(name, attributes, text) {
  const node = document.createElementNS(SVG, name);
  for (const key in attributes) node.setAttribute(key, attributes[key]);
  if (text !== undefined) node.textContent = text;
  return node;
}

function drawFrequencies(stats, file) {
  const numbers = stats.numbers, expected = numbers[0].expected;
  const top = Math.max(expected, ...numbers.map((n) => n.count)) * 1.1 || 1;
  const width = 760, height = 260, left = 36, bottom = 236, step = (width - left - 8) / numbers.length;
  const y = (v) => bottom - (v / top) * (bottom - 12);
  const title = "How often each number was drawn in " + stats.draw_count + " draws of " + file;
  const chance = "Chance alone gives every number " + expected.toFixed(2) + " draws (the line)";
  const chart = svg("svg", { id: "frequency-chart", viewBox: "0 0 " + width + " " + height,
                             role: "img", "aria-labelledby": "freq-title freq-desc" });
  chart.append(svg("title", { id: "freq-title" }, title), svg("desc", { id: "freq-desc" }, chance + "."));
  const tick = [1, 2, 5, 10, 20, 50, 100, 200, 500, 1000, 2000, 5000].find((t) => top / t <= 5) || top / 5;
  for (let v = 0; v <= top; v += tick) {
    chart.append(svg("line", { x1: left, y1: y(v), x2: width, y2: y(v), class: "grid" }));
    chart.append(svg("text", { x: left - 4, y: y(v) + 4, "text-anchor": "end" }, String(Math.round(v))));
  }
  for (let i = 0; i < numbers.length; ++i) {
    const n = numbers[i], x = left + i * step;
    const bar = svg("rect", { x: x + step * 0.15, y: y(n.count), width: step * 0.7,
                              height: bottom - y(n.count), class: "mark",
                              "data-number": n.number, "data-count": n.count });
    bar.append(svg("title", {}, n.number + ": drawn " + n.count + " times, " +
                                n.expected.toFixed(2) + " by chance alone"));
    chart.append(bar);
    if (numbers.length <= 40 || n.number % 5 === 0)
      chart.append(svg("text", { x: x + step / 2, y: bottom + 14, "text-anchor": "middle" }, String(n.number)));
  }
  chart.append(svg("line", { x1: left, y1: y(expected), x2: width, y2: y(expected), class: "expected" }));
  const figure = document.createElement("figure");
  const caption = document.createElement("figcaption");
  caption.textContent = title + ". Bars: draws holding the number; " + chance.charAt(0).toLowerCase() +
    chance.slice(1) + "; past counts say nothing about future draws.";
  figure.append(chart, caption);
  $("view").append(figure);
}

async function historyStats() {
  const { files, names } = await fileTexts(["history"]);
  if (!names.history) return showProblem("Choose a history file first.");
  const args = [...settingsArgs(), "--history", names.history, "--history-stats"];
  const text = await command(args, files);
  if (!text || text.status !== 200) return;
  const answer = await api([...args, "--format", "json"], files);
  if (answer.status === 200) drawFrequencies(JSON.parse(answer.body), names.history);
}

function wire() {
  $("settings").addEventListener("input", (e) => { if (e.target.id !== "game") schedule(); });
  $("game").addEventListener("change", async () => { await buildFilters(); schedule(); });
  $("reset").addEventListener("click", async () => { await applyArgs(game() === 39 ? [] : ["--game", "7/" + game()]); schedule(); });
  $("settings-download").addEventListener("click", async () => {
    const answer = await api([...settingsArgs(), "--save-settings", "-", "-q"]);
    if (answer.status !== 200) return showProblem(errorOf(answer));
    const lines = answer.body.split("\n").filter((l) => l.startsWith("#") || l.startsWith("-"));
    download("lotto739-settings.txt", lines.join("\n") + "\n", "text/plain");
  });
  $("settings-upload").addEventListener("change", async () => {
    const { files, names } = await fileTexts(["settings-upload"]);
    if (!names["settings-upload"]) return;
    // The command line reads it first, so that a bad file shows its message.
    const answer = await api(["--settings", names["settings-upload"], "--save-settings", "-", "-q"], files);
    if (answer.status !== 200) return showProblem(errorOf(answer));
    await applyArgs(argsFromText(answer.body));
    schedule();
  });
  $("show-page").addEventListener("click", () => command([...settingsArgs(), "--page", $("page-number").value, "-q"]));
  $("number-stats").addEventListener("click", () => command([...settingsArgs(), "--stats", "-q"]));
  $("sample").addEventListener("click", () => command([...settingsArgs(), "--sample", $("sample-size").value, "--seed", $("sample-seed").value, "-q"]));
  $("export").addEventListener("click", async () => {
    const answer = await command([...settingsArgs(), "--export=-", "-q"], null, undefined, true);
    if (!answer || answer.status !== 200) return;
    $("output").textContent = "Counting the export's lines…";
    const count = await lineCount(answer.body);
    download("kvx7_" + String(count).padStart(8, "0") + ".txt", answer.body, "text/plain");
    $("output").textContent = "Exported " + count + " combinations.";
  });
  $("backtest").addEventListener("click", () => withHistory(["--backtest"]));
  $("history-stats").addEventListener("click", historyStats);
  $("funnel-text").addEventListener("click", () => command([...settingsArgs(), "--funnel"]));
  $("explain").addEventListener("click", () => command([...settingsArgs(), "--explain", $("explain-numbers").value.replace(/\s+/g, "")]));
  $("check-tickets").addEventListener("click", async () => {
    const { files, names } = await fileTexts(["tickets", "history"]);
    if (!names.tickets) return showProblem("Choose a ticket file first.");
    const draw = $("draw").value.replace(/\s+/g, "");
    if (draw === "" && !names.history) return showProblem("Choose a history file or type one draw.");
    const against = draw !== "" ? ["--draw", draw] : ["--history", names.history];
    command(["--game", "7/" + game(), "--check-tickets", names.tickets, ...against], files);
  });
  $("wheel").addEventListener("click", wheel);
  $("reduce").addEventListener("click", () => search([...settingsArgs(), "--reduce", $("reduce-t").value, "--seed", $("wheel-seed").value]));
  $("odds").addEventListener("click", async () => {
    const { files, names } = await fileTexts(["odds-file"]);
    if (!names["odds-file"]) return showProblem("Choose a ticket file first.");
    odds(names["odds-file"], files, game(), "of " + names["odds-file"]);
  });
  $("odds-found").addEventListener("click", () => odds("found.txt", { "found.txt": tickets }, ticketsGame, "just found"));
  $("stop").addEventListener("click", () => { if (running) running.abort(); });
  $("tickets-text").addEventListener("click", () => download("tickets.txt", tickets, "text/plain"));
  $("tickets-csv").addEventListener("click", () => download("tickets.csv", ticketsCsv(tickets), "text/csv"));
  window.addEventListener("hashchange", async () => { await applyArgs(fragmentArgs()); schedule(); });
}

function fragmentArgs() {
  const text = decodeURIComponent(location.hash.slice(1));
  return text.trim() === "" ? [] : text.trim().split(/\s+/);
}

async function start() {
  for (let n = 8; n <= 64; ++n) {
    const option = document.createElement("option");
    option.value = String(n);
    option.textContent = "7/" + n;
    $("game").append(option);
  }
  $("game").value = "39";
  for (const r of RANGES) {
    const cell = document.createElement("div");
    const label = document.createElement("label");
    label.htmlFor = "r" + r;
    label.textContent = "Range " + r + " ";
    const input = document.createElement("input");
    input.id = "r" + r;
    input.size = 7;
    input.placeholder = "S-E";
    cell.append(label, input);
    $("ranges").append(cell);
  }
  wire();
  await applyArgs(fragmentArgs());
  recount();
}

start();
