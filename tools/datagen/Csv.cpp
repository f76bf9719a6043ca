#include "Csv.h"

#include <fstream>
#include <sstream>

int CsvTable::Column(const std::string& name) const {
    for (size_t i = 0; i < header.size(); ++i) {
        if (header[i] == name) {
            return static_cast<int>(i);
        }
    }
    return -1;
}

int ParseCsv(const std::string& text, CsvTable& table) {
    std::vector<std::vector<std::string>> records;
    std::vector<std::string> record;
    std::string field;
    bool quoted = false;
    bool recordHasData = false;
    for (size_t i = 0; i < text.size(); ++i) {
        const char c = text[i];
        if (quoted) {
            if (c == '"' && i + 1 < text.size() && text[i + 1] == '"') {
                field += '"';
                ++i;
            } else if (c == '"') {
                quoted = false;
            } else {
                field += c;
            }
            continue;
        }
        if (c == '"') {
            quoted = true;
            recordHasData = true;
        } else if (c == ',') {
            record.push_back(field);
            field.clear();
            recordHasData = true;
        } else if (c == '\n' || c == '\r') {
            if (recordHasData || !field.empty()) {
                record.push_back(field);
                records.push_back(record);
            }
            record.clear();
            field.clear();
            recordHasData = false;
        } else {
            field += c;
            recordHasData = true;
        }
    }
    if (quoted) {
        return 0;
    }
    if (recordHasData || !field.empty()) {
        record.push_back(field);
        records.push_back(record);
    }
    table = CsvTable();
    if (records.empty()) {
        return 1;
    }
    table.header = records.front();
    table.rows.assign(records.begin() + 1, records.end());
    return 1;
}

int ReadCsv(const std::string& path, CsvTable& table) {
    std::ifstream in(path, std::ios::binary);
    if (!in) {
        return 0;
    }
    std::ostringstream text;
    text << in.rdbuf();
    return ParseCsv(text.str(), table);
}
