// Reads a GIFT file with gift-pegjs and prints, as JSON, each question's title, type
// and answers: the figures with their tolerance, or the choices with which are right.
"use strict";
const fs = require("fs");
const { parse } = require("gift-pegjs");

const answers = (q) => {
    if (q.type === "Numerical") {
        const choices = Array.isArray(q.choices) ? q.choices.map((c) => c.text) : [q.choices];
        return choices.map((c) => ({ value: c.number, tolerance: c.range }));
    }
    return q.choices.map((c) => ({ text: c.text.text, right: c.isCorrect }));
};

const out = [];
let category = "";
for (const q of parse(fs.readFileSync(process.argv[2], "utf8"))) {
    if (q.type === "Category") {
        category = q.title;
        continue;
    }
    out.push({ category, title: q.title, type: q.type, answers: answers(q),
               feedback: q.globalFeedback ? q.globalFeedback.text : "",
               statement: q.stem.text });
}
process.stdout.write(JSON.stringify(out));
