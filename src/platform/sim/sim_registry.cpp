#include "platform/sim/sim_registry.h"

#include "platform/sim/case_fold.h"

namespace vesk::platform::sim {

class SimRegistryKey : public RegistryKey {
public:
    SimRegistryKey(SimRegistry& registry, SimRegistry::KeyId id) : registry_(registry), id_(std::move(id)) {}

    std::optional<std::uint32_t> ReadDword(const std::string& name) override {
        const SimValue* v = Find(name);
        if (!v || v->type != ValueType::Dword) return std::nullopt;
        return v->dword;
    }
    std::optional<std::string> ReadString(const std::string& name) override {
        const SimValue* v = Find(name);
        if (!v || v->type != ValueType::String) return std::nullopt;
        return v->text;
    }
    std::optional<std::string> ReadBinary(const std::string& name) override {
        const SimValue* v = Find(name);
        if (!v || v->type != ValueType::Binary) return std::nullopt;
        return v->text;
    }
    bool WriteDword(const std::string& name, std::uint32_t value) override {
        return Write({name, ValueType::Dword, value, {}});
    }
    bool WriteString(const std::string& name, const std::string& value) override {
        return Write({name, ValueType::String, 0, value});
    }
    bool WriteBinary(const std::string& name, std::string_view bytes) override {
        return Write({name, ValueType::Binary, 0, std::string(bytes)});
    }

private:
    const SimValue* Find(const std::string& name) const {
        auto key = registry_.values_.find(id_);
        if (key == registry_.values_.end()) return nullptr;
        auto value = key->second.find(FoldCase(name));
        return value == key->second.end() ? nullptr : &value->second;
    }
    bool Write(SimValue value) {
        if (!registry_.Writable(id_)) return false;
        ++registry_.writeCount;
        auto& slot = registry_.values_[id_][FoldCase(value.name)];
        if (!slot.name.empty()) value.name = slot.name;
        slot = std::move(value);
        return true;
    }

    SimRegistry& registry_;
    SimRegistry::KeyId id_;
};

SimRegistry::KeyId SimRegistry::Id(RegistryRoot root, const std::string& path) {
    return {root, FoldCase(path)};
}

std::unique_ptr<RegistryKey> SimRegistry::OpenKey(RegistryRoot root, const std::string& path,
                                                  bool create) {
    KeyId id = Id(root, path);
    if (!keys_.count(id)) {
        if (!create || !Writable(id)) return nullptr;
        CreateKey(root, path);
    }
    return std::make_unique<SimRegistryKey>(*this, std::move(id));
}

bool SimRegistry::DeleteKey(RegistryRoot root, const std::string& path) {
    const KeyId id = Id(root, path);
    if (!keys_.count(id) || !Writable(id)) return false;
    const std::string below = id.second + "\\";
    const auto next = keys_.lower_bound({root, below});
    if (next != keys_.end() && next->first == root && next->second.starts_with(below)) return false;
    keys_.erase(id);
    values_.erase(id);
    return true;
}

void SimRegistry::DenyKey(RegistryRoot root, const std::string& path) { denied_.insert(Id(root, path)); }

bool SimRegistry::Writable(const KeyId& id) const {
    if (readOnly) return false;
    for (const KeyId& denied : denied_) {
        if (denied.first != id.first) continue;
        if (id.second == denied.second || id.second.starts_with(denied.second + "\\")) return false;
    }
    return true;
}

void SimRegistry::CreateKey(RegistryRoot root, const std::string& path) {
    for (std::size_t cut = path.find('\\'); cut != std::string::npos; cut = path.find('\\', cut + 1)) {
        keys_.insert(Id(root, path.substr(0, cut)));
    }
    keys_.insert(Id(root, path));
}

bool SimRegistry::KeyExists(RegistryRoot root, const std::string& path) const {
    return keys_.count(Id(root, path)) != 0;
}

void SimRegistry::Set(RegistryRoot root, const std::string& path, SimValue value) {
    CreateKey(root, path);
    values_[Id(root, path)][FoldCase(value.name)] = std::move(value);
}

void SimRegistry::SetDword(RegistryRoot root, const std::string& path, const std::string& name,
                           std::uint32_t v) {
    Set(root, path, {name, ValueType::Dword, v, {}});
}

void SimRegistry::SetString(RegistryRoot root, const std::string& path, const std::string& name,
                            std::string v) {
    Set(root, path, {name, ValueType::String, 0, std::move(v)});
}

std::optional<SimValue> SimRegistry::Get(RegistryRoot root, const std::string& path,
                                         const std::string& name) const {
    auto key = values_.find(Id(root, path));
    if (key == values_.end()) return std::nullopt;
    auto value = key->second.find(FoldCase(name));
    if (value == key->second.end()) return std::nullopt;
    return value->second;
}

std::size_t SimRegistry::ValueCount(RegistryRoot root, const std::string& path) const {
    auto key = values_.find(Id(root, path));
    return key == values_.end() ? 0 : key->second.size();
}

}  // namespace vesk::platform::sim
