// SPDX-FileCopyrightText: 2026 The Orthavel developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "script/FoundryActor.h"

#include "core/statblock/StatBlock.h"
#include "script/RecordJson.h"

#include <charconv>
#include <set>

namespace orthavel {

namespace {

using Json = nlohmann::ordered_json;

// One attribute group: its attributes under keys unique within it.
class Group {
public:
    Group(std::string key, std::string label) : m_key(std::move(key)), m_label(std::move(label)) {}

    // A value that is a whole number becomes a Number, anything else a String.
    void add(std::string_view keyLabel, const std::string& label, const std::string& value) {
        std::int32_t number = 0;
        const char* end = value.data() + value.size();
        const bool whole = !value.empty() && std::from_chars(value.data(), end, number).ptr == end;
        add(keyLabel, label, whole ? Json(number) : Json(value), whole ? "Number" : "String");
    }

    void add(std::string_view keyLabel, const std::string& label, Json value, const char* dtype) {
        const std::string base = attributeKey(keyLabel);
        std::string key = base;
        for (int n = 2; !m_keys.insert(key).second; ++n) {
            key = base + "_" + std::to_string(n);
        }
        Json attribute = Json::object();
        attribute.get_ref<Json::object_t&>().reserve(3);
        attribute["value"] = std::move(value);
        attribute["label"] = label;
        attribute["dtype"] = dtype;
        m_attributes.emplace_back(std::move(key), std::move(attribute));
    }

    void addTo(Json& system) {
        // Moved in at once, without the object's own search for each key (the keys are unique
        // already) and without the copies its growing would make.
        Json attributes = Json::object();
        auto& members = attributes.get_ref<Json::object_t&>();
        members.reserve(m_attributes.size());
        for (auto& [key, attribute] : m_attributes) {
            members.emplace_back(std::move(key), std::move(attribute));
        }
        system["attributes"][m_key] = std::move(attributes);
        system["groups"][m_key] = {{"key", m_key},
                                   {"label", m_label},
                                   {"dtype", "String"},
                                   {"attributes", Json::object()}};
    }

private:
    std::string m_key;
    std::string m_label;
    std::vector<std::pair<std::string, Json>> m_attributes;
    std::set<std::string, std::less<>> m_keys;
};

// "Long Sword (10)" is keyed long_sword: the complexity is no part of the skill's name.
std::string_view withoutComplexity(std::string_view name) {
    const auto open = name.rfind('(');
    if (open != std::string_view::npos && name.ends_with(')') &&
        name.substr(open + 1, name.size() - open - 2).find_first_not_of("0123456789") ==
            std::string_view::npos) {
        return name.substr(0, open);
    }
    return name;
}

const StatSection& sectionNamed(const StatBlock& block, std::string_view title) {
    for (const StatSection& section : block.sections) {
        if (section.title == title) {
            return section;
        }
    }
    static const StatSection kNone;
    return kNone;
}

Json resource(std::int32_t maximum) {
    return {{"value", maximum}, {"min", 0}, {"max", maximum}};
}

} // namespace

std::string attributeKey(std::string_view label) {
    std::string key;
    for (const char c : label) {
        if ((c >= 'a' && c <= 'z') || (c >= '0' && c <= '9')) {
            key += c;
        } else if (c >= 'A' && c <= 'Z') {
            key += static_cast<char>(c - 'A' + 'a');
        } else if (!key.empty() && !key.ends_with('_')) {
            key += '_';
        }
    }
    while (key.ends_with('_')) {
        key.pop_back();
    }
    return key.empty() ? "value" : key;
}

nlohmann::ordered_json foundryActor(const CharacterRecord& record) {
    const StatBlock block = makeStatBlock(record);
    Json system;
    system["biography"] = statBlockHtmlBody(block);
    // Health and willpower, each full, as the race's adjustments leave them.
    system["health"] = resource(record.m_nMaxHealthAdj);
    system["power"] = resource(record.m_nMaxWillpowerAdj);
    system["attributes"] = Json::object();
    system["groups"] = Json::object();
    const std::pair<const char*, const char*> valueGroups[] = {
        {"advantages", "Advantages"},
        {"derived", "Derived Values"},
        {"combat", "Combat"},
        {"special", "Special Skills and Endowments"}};
    for (const auto& [key, title] : valueGroups) {
        Group group(key, title);
        for (const StatValue& v : sectionNamed(block, title).values) {
            if (v.number) {
                group.add(v.label, v.label, *v.number, "Number");
            } else {
                group.add(v.label, v.label, v.value);
            }
        }
        group.addTo(system);
    }
    Group masteries("masteries", "Masteries and Emphases");
    Group skills("skills", "Skills");
    for (const StatMastery& mastery : block.masteries) {
        masteries.add(mastery.name, mastery.name, mastery.level, "Number");
        for (const StatGroup& group : mastery.groups) {
            if (group.emphasis) {
                masteries.add(mastery.name + " " + group.name, mastery.name + ": " + group.name,
                              *group.emphasis, "Number");
            }
            for (const StatSkill& skill : group.skills) {
                skills.add(withoutComplexity(skill.name), skill.name, skill.rating, "Number");
            }
        }
    }
    masteries.addTo(system);
    skills.addTo(system);
    // Built a member at a time: a list of members would copy every one of them.
    Json actor = Json::object();
    actor["name"] = block.name;
    actor["type"] = "character";
    actor["img"] = "icons/svg/mystery-man.svg";
    actor["system"] = std::move(system);
    actor["items"] = Json::array();
    Json& flags = actor["flags"]["orthavel"];
    flags["formatVersion"] = 1;
    flags["record"] = recordToJson(record);
    return actor;
}

std::string foundryActorJson(const CharacterRecord& record) {
    return foundryActor(record).dump(2, ' ', false, nlohmann::json::error_handler_t::replace) +
           "\n";
}

} // namespace orthavel
