#include "GenericContainer.hh"

#include <stdexcept>

namespace
{

const char* const typeNames[] = {
    "NOTYPE",       "pointer",       "bool_type",     "int_type",         "long_type",
    "real_type",    "complex_type",  "string_type",   "vec_pointer_type", "vec_bool_type",
    "vec_int_type", "vec_long_type", "vec_real_type", "vec_complex_type", "vec_string_type",
    "mat_int_type", "mat_long_type", "mat_real_type", "mat_complex_type", "vector_type",
    "map_type"};

[[noreturn]] void fail(std::string_view where, const std::string& detail)
{
    throw std::runtime_error("in GenericContainer: " + std::string(where) + detail + "\n");
}

// Converts one scalar to a real; false for a complex value off the real axis.
template <typename T> bool toReal(const T& value, double& out)
{
    if constexpr (std::is_same_v<T, GenericContainer::complex_type>) {
        if (value.imag() != 0.0)
            return false;
        out = value.real();
    } else {
        out = double(value);
    }
    return true;
}

template <typename T> constexpr bool isNumber = std::is_arithmetic_v<T>;
template <> constexpr bool isNumber<GenericContainer::complex_type> = true;

// Vectors and matrices: their elements, and whether each one is a number.
template <typename T> struct Elements {
    static constexpr bool many = false;
    static constexpr bool numeric = false;
};
template <typename T> struct Elements<std::vector<T>> {
    static constexpr bool many = true;
    static constexpr bool numeric = isNumber<T>;
    static const std::vector<T>& of(const std::vector<T>& held) { return held; }
};
template <typename T> struct Elements<GenericContainer::Matrix<T>> {
    static constexpr bool many = true;
    static constexpr bool numeric = isNumber<T>;
    static const std::vector<T>& of(const GenericContainer::Matrix<T>& held) { return held.data; }
};

} // namespace

const char* GenericContainer::typeName(TypeCode code)
{
    return code >= GC_NOTYPE && code <= GC_MAP ? typeNames[code] : "unknown";
}

void GenericContainer::checkType(std::string_view where, TypeCode expected) const
{
    if (type() != expected)
        fail(where, std::string("bad data type, expect: ") + typeName(expected) +
                        " but data stored is of type: " + typeName(type()));
}

const GenericContainer& GenericContainer::operator()(const std::string& key,
                                                     std::string_view where) const
{
    checkType(where, GC_MAP);
    const map_type& map = std::get<map_type>(data);
    const auto found = map.find(key);
    if (found == map.end())
        fail(where, "\noperator(): Cannot find key '" + key + "'!");
    return found->second;
}

const GenericContainer& GenericContainer::operator()(std::uint32_t index,
                                                     std::string_view where) const
{
    checkType(where, GC_VECTOR);
    const vector_type& elements = std::get<vector_type>(data);
    if (index >= elements.size())
        fail(where, "\noperator () const, index " + std::to_string(index) + " out of range");
    return elements[index];
}

bool GenericContainer::hasKey(const std::string& key) const
{
    const map_type* map = std::get_if<map_type>(&data);
    return map && map->count(key) > 0;
}

bool GenericContainer::getRealIfPresent(const std::string& key, double& value) const
{
    if (!hasKey(key))
        return false;
    return std::visit(
        [&value](const auto& held) {
            using T = std::decay_t<decltype(held)>;
            if constexpr (isNumber<T>)
                return toReal(held, value);
            else
                return false;
        },
        std::get<map_type>(data).at(key).data);
}

std::uint32_t GenericContainer::elementCount() const
{
    return std::visit(
        [](const auto& held) -> std::uint32_t {
            using T = std::decay_t<decltype(held)>;
            if constexpr (std::is_same_v<T, std::monostate>)
                return 0;
            else if constexpr (std::is_same_v<T, map_type>)
                return std::uint32_t(held.size());
            else if constexpr (Elements<T>::many)
                return std::uint32_t(Elements<T>::of(held).size());
            else
                return 1;
        },
        data);
}

void GenericContainer::copyto_vec_real(vec_real_type& out, std::string_view where) const
{
    out.clear();
    out.reserve(elementCount());
    const auto append = [&](const auto& value) {
        double real;
        if (!toReal(value, real))
            fail(where, "\ncopyto_vec_real: complex value with non-zero imaginary part cannot "
                        "be converted in `vec_real_type'");
        out.push_back(real);
    };
    std::visit(
        [&](const auto& held) {
            using T = std::decay_t<decltype(held)>;
            if constexpr (std::is_same_v<T, std::monostate>) {
            } else if constexpr (isNumber<T>) {
                append(held);
            } else if constexpr (Elements<T>::numeric) {
                for (const auto& element : Elements<T>::of(held))
                    append(element);
            } else if constexpr (std::is_same_v<T, vector_type>) {
                for (const GenericContainer& element : held) {
                    element.checkType({}, GC_REAL);
                    out.push_back(std::get<real_type>(element.data));
                }
            } else if (elementCount() > 0) {
                fail(where, std::string("\nbad data type: `") + typeName(type()) +
                                "' cannot be converted in `vec_real_type'");
            }
        },
        data);
}
