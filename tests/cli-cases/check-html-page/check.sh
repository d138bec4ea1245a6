# The page as a person sees it: Chromium opens it (scripts run), its DOM is
# compared with the JSON output of the same office, and a screenshot is left
# beside it (page.png) for the README.
set -euo pipefail
cp stdout.raw page.html
grep -qx 'trv-cli: KLV-52000-C000: Error in Project Code file !!!' stderr.raw
"$CLI" check --all --format json --no-report --ini "$W/trv.ini" --user tester > check.json 2> /dev/null || true
browser=(chromium --headless --no-sandbox --disable-gpu --user-data-dir="$W/chromium-profile" --hide-scrollbars)
"${browser[@]}" --dump-dom "file://$W/page.html" > dom.html 2> chromium.log
"${browser[@]}" --window-size=1280,1500 --screenshot="$W/page.png" "file://$W/page.html" 2>> chromium.log
[ -s page.png ]
python3 - <<'PY'
import collections, csv, glob, html.parser, json, re
d = json.load(open("check.json", encoding="utf-8"))
dom = open("dom.html", encoding="utf-8").read()

class Page(html.parser.HTMLParser):
    def __init__(self):
        super().__init__()
        self.rows, self.bars, self.ids, self.elements = [], {}, {}, collections.Counter()
        self.stack, self.cells = [], None
    def handle_starttag(self, tag, attrs):
        a = dict(attrs)
        self.elements[tag] += 1
        if tag == "tr" and "data-rule" in a:
            self.rows.append(a); self.cells = []
        elif tag == "tr" and a.get("class") in ("project", "discipline"):
            self.bars[(a["class"], a["data-name"])] = a
        elif tag == "svg" and self.bars and a.get("class") == "bar":
            list(self.bars.values())[-1]["svg"] = True
        elif tag == "svg" and a.get("class") == "trend":
            list(self.bars.values())[-1]["trend"] = a["aria-label"]
        elif tag == "td" and self.cells is not None:
            self.cells.append("")
        if "id" in a:
            self.ids[a["id"]] = a
        self.stack.append(tag)
    def handle_endtag(self, tag):
        if tag == "tr" and self.cells is not None:
            self.rows[-1]["cells"] = self.cells; self.cells = None
        self.stack.pop() if self.stack else None
    def handle_data(self, data):
        if self.cells: self.cells[-1] += data

p = Page(); p.feed(dom)
def text(id):
    return re.search(r'id="%s"[^>]*>([^<]*)<' % id, dom).group(1)
findings = d["findings"]
checked = [c for c in d["checked"] if c["error"] is None]
# The headline and the table hold what the JSON holds.
assert text("findings-count") == str(len(findings)), text("findings-count")
assert text("projects-checked") == str(len({c["project"] for c in checked}))
# Every file in a drawing folder is a drawing checked.
assert text("drawings-checked") == str(len(glob.glob("projects/PROJECTS/*/*/*/*_FILES/*"))), text("drawings-checked")
assert len(p.rows) == len(findings), (len(p.rows), len(findings))
page_rows = sorted((r["cells"][0], r["cells"][1], r["cells"][2], r["cells"][4], r["data-rule"]) for r in p.rows)
json_rows = sorted((f["project"], f["drawing_type"], f["discipline"], (f["file"] or "").replace("\ufffd", "é"), f["rule"])
                   for f in findings)
assert page_rows == json_rows, set(page_rows) ^ set(json_rows)
# A bar per project checked, with its findings as the JSON counts them, and a trend from the history.
per_project = collections.Counter(f["project"] for f in findings)
projects = {name: a for (kind, name), a in p.bars.items() if kind == "project"}
assert set(projects) == {c["project"] for c in checked}, projects.keys()
for name, a in projects.items():
    assert a.get("svg"), name
    assert int(a["data-findings"]) == per_project[name], (name, a)
    assert sum(c["findings"] for c in checked if c["project"] == name) == per_project[name]
assert "over 4 runs" in projects["KLV-41200-C000"]["trend"], projects["KLV-41200-C000"]
disciplines = {name: a for (kind, name), a in p.bars.items() if kind == "discipline"}
assert {"Architectural", "Mechanical", "Civil", "Structural", "Plumbing"} == set(disciplines), disciplines.keys()
assert all(a.get("svg") for a in disciplines.values())
# The script ran: the filter is shown and the headers sort.
assert "hidden" not in p.ids["tools"], p.ids["tools"]
assert p.elements["button"] == 8, p.elements
# Names show as text, never as markup; the byte that is not UTF-8 as Windows-1252 has it.
assert p.elements["img"] == 0
assert "<img src=x onerror=alert(1)> & \"copy\" 'a'.dwg" in {r["cells"][4] for r in p.rows}
assert "café plan.dwg" in {r["cells"][4] for r in p.rows}
assert text("history-skipped") == "2 lines were", text("history-skipped")
assert "KLV-52000-C000" in dom[dom.index('id="not-checked"'):]
# The history got one line per project checked, in one piece after the old
# lines, with the findings by kind the JSON lists.
rows = list(csv.reader(open("history.csv", newline="", encoding="utf-8")))
whole = [r for r in rows if len(r) == 10 and r[0] != "date"]
assert len(whole) == 12 + len(projects), len(whole)
kinds = ["missing folder", "length", "project code", "designator", "model type"]
for r in whole[-len(projects):]:
    assert r[2] == "both" and int(r[3]) == int(projects[r[1]]["data-drawings"]), r
    assert [int(n) for n in r[5:]] == [sum(1 for f in findings if f["project"] == r[1] and f["rule"] == k) for k in kinds], r
PY
