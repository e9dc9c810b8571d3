"""French conjugation from verbiste: every verb with its template, every simple form."""

import xml.etree.ElementTree as ET

VERBISTE_DIR = "/usr/share/verbiste-0.1"


def read_templates(path=f"{VERBISTE_DIR}/conjugation-fr.xml"):
    """{template name: {"mood:tense": [[endings of person 1], …]}}"""
    templates = {}
    for template in ET.parse(path).getroot():
        cells = {}
        for mood in template:
            for tense in mood:
                cells[f"{mood.tag}:{tense.tag}"] = [[i.text or "" for i in p.findall("i")]
                                                    for p in tense.findall("p")]
        templates[template.get("name")] = cells
    return templates


def read_verbs(path=f"{VERBISTE_DIR}/verbs-fr.xml"):
    """[(infinitive, template name)] in file order."""
    return [(v.findtext("i"), v.findtext("t")) for v in ET.parse(path).getroot().findall("v")]


def conjugate(infinitive, template_name, templates):
    """{"mood:tense": [[forms of slot 1], …]}, or None when the infinitive does not end
    with the template's termination."""
    termination = template_name.split(":", 1)[1]
    if not infinitive.endswith(termination):
        return None
    radical = infinitive[:len(infinitive) - len(termination)]
    return {cell: [[radical + ending for ending in slot] for slot in slots]
            for cell, slots in templates[template_name].items()}
