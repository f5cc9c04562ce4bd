// A well-formedness check for the charts: the structure as RapidXML (Boost's copy, in Property
// Tree) parses it with the closing tags checked, one root element, and no '&' but the five
// entities'.
#pragma once

#include <boost/property_tree/detail/rapidxml.hpp>

#include <string>
#include <string_view>
#include <vector>

namespace lotto::test {

// "" when the text is a well-formed XML document with one root element; else what is wrong.
inline std::string xml_fault(std::string_view x) {
    namespace rx = boost::property_tree::detail::rapidxml;
    for (std::size_t at = x.find('&'); at != x.npos; at = x.find('&', at + 1)) {
        bool known = false;
        for (std::string_view e : {"&amp;", "&lt;", "&gt;", "&quot;", "&apos;"})
            known |= x.substr(at).starts_with(e);
        if (!known) return "bare & at " + std::to_string(at);
    }
    std::vector<char> text(x.begin(), x.end());
    text.push_back('\0');
    rx::xml_document<char> doc;
    try {
        doc.parse<rx::parse_validate_closing_tags>(text.data());
    } catch (const rx::parse_error& e) {
        return std::string(e.what()) + " at " + std::to_string(e.where<char>() - text.data());
    }
    int roots = 0;
    for (const rx::xml_node<char>* n = doc.first_node(); n; n = n->next_sibling())
        roots += n->type() == rx::node_element;
    return roots == 1 ? "" : "not one root element";
}

// How often the text holds the part.
inline std::size_t occurrences(std::string_view text, std::string_view part) {
    std::size_t n = 0;
    for (std::size_t at = text.find(part); at != text.npos; at = text.find(part, at + 1)) ++n;
    return n;
}

} // namespace lotto::test
