#pragma once
// A type-tagged value: nothing, a scalar, a string, a vector or matrix of scalars, a
// vector of containers or a map from names to containers. The splines' setup reads
// one; the read operations below are what it needs.
//
// Failures are std::runtime_error whose text starts with "in GenericContainer: "
// followed by the caller's where-text. hasKey and getRealIfPresent never throw.

#include <complex>
#include <cstdint>
#include <map>
#include <string>
#include <string_view>
#include <type_traits>
#include <variant>
#include <vector>

namespace gc_detail
{
template <typename T, typename Variant> struct isAlternative;
template <typename T, typename... Kinds>
struct isAlternative<T, std::variant<Kinds...>> : std::disjunction<std::is_same<T, Kinds>...> {
};
} // namespace gc_detail

class GenericContainer
{
public:
    // A matrix keeps its elements in one contiguous vector.
    template <typename T> struct Matrix {
        std::uint32_t numRows = 0;
        std::uint32_t numCols = 0;
        std::vector<T> data;
    };

    using pointer_type = void*;
    using bool_type = bool;
    using int_type = std::int32_t;
    using long_type = std::int64_t;
    using real_type = double;
    using complex_type = std::complex<double>;
    using string_type = std::string;
    using vec_pointer_type = std::vector<pointer_type>;
    using vec_bool_type = std::vector<bool_type>;
    using vec_int_type = std::vector<int_type>;
    using vec_long_type = std::vector<long_type>;
    using vec_real_type = std::vector<real_type>;
    using vec_complex_type = std::vector<complex_type>;
    using vec_string_type = std::vector<string_type>;
    using mat_int_type = Matrix<int_type>;
    using mat_long_type = Matrix<long_type>;
    using mat_real_type = Matrix<real_type>;
    using mat_complex_type = Matrix<complex_type>;
    using vector_type = std::vector<GenericContainer>;
    using map_type = std::map<std::string, GenericContainer>;

    // The type codes; each is the index of its kind in the store below.
    enum TypeCode : std::int32_t {
        GC_NOTYPE,
        GC_POINTER,
        GC_BOOL,
        GC_INT,
        GC_LONG,
        GC_REAL,
        GC_COMPLEX,
        GC_STRING,
        GC_VEC_POINTER,
        GC_VEC_BOOL,
        GC_VEC_INT,
        GC_VEC_LONG,
        GC_VEC_REAL,
        GC_VEC_COMPLEX,
        GC_VEC_STRING,
        GC_MAT_INT,
        GC_MAT_LONG,
        GC_MAT_REAL,
        GC_MAT_COMPLEX,
        GC_VECTOR,
        GC_MAP
    };

private:
    using Store =
        std::variant<std::monostate, pointer_type, bool_type, int_type, long_type, real_type,
                     complex_type, string_type, vec_pointer_type, vec_bool_type, vec_int_type,
                     vec_long_type, vec_real_type, vec_complex_type, vec_string_type, mat_int_type,
                     mat_long_type, mat_real_type, mat_complex_type, vector_type, map_type>;

public:
    // Name of a type code as error texts show it ("real_type", "map_type", ...).
    static const char* typeName(TypeCode code);

    GenericContainer() = default;
    // Holds a value of exactly one of the types above.
    template <typename T,
              typename = std::enable_if_t<gc_detail::isAlternative<std::decay_t<T>, Store>::value>>
    GenericContainer(T&& value) : data(std::forward<T>(value))
    {
    }

    TypeCode type() const { return TypeCode(data.index()); }

    // Throws unless the held type is the expected one.
    void checkType(std::string_view where, TypeCode expected) const;
    // The element of a map with this key.
    const GenericContainer& operator()(const std::string& key, std::string_view where = {}) const;
    // The element of a vector of containers.
    const GenericContainer& operator()(std::uint32_t index, std::string_view where = {}) const;
    // True only for a map holding the key.
    bool hasKey(const std::string& key) const;
    // Sets value from a map element that converts to a real (bool, integer, real, or
    // complex with zero imaginary part) and returns true; otherwise false, value unchanged.
    bool getRealIfPresent(const std::string& key, double& value) const;
    // 0 for nothing, 1 for a scalar or string, the elements of a vector, matrix or map.
    std::uint32_t elementCount() const;
    // Replaces out by the held values as reals. Throws at the first element that does
    // not convert; out keeps what was appended before it.
    void copyto_vec_real(vec_real_type& out, std::string_view where = {}) const;

private:
    static_assert(std::variant_size_v<Store> == GC_MAP + 1 &&
                      std::is_same_v<std::variant_alternative_t<GC_REAL, Store>, real_type> &&
                      std::is_same_v<std::variant_alternative_t<GC_MAP, Store>, map_type>,
                  "the type codes are the indices of the store");
    Store data;
};
