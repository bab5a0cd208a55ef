// Fixed-capacity, 1-based arrays and blank-padded texts of the program-wide store.
//
// Every array of the store is indexed from 1 as the formulas are written; an
// index outside the capacity raises CapacityFault, which the entry point turns
// into a runtime error block instead of a memory fault.
#pragma once

#include <cstring>
#include <string>
#include <string_view>

namespace tarvex {

// Thrown on an index outside a capacity; caught only by the entry point.
struct CapacityFault {
    int index;     // the offending index
    int capacity;  // the capacity of the array
};

[[noreturn]] void Raise_Capacity_Fault(int index, int capacity);

template <class T, int N>
struct Arr {
    static_assert(N > 0);
    T v[N]{};

    static constexpr int capacity() { return N; }
    T& operator()(int i) {
        if (i < 1 || i > N) Raise_Capacity_Fault(i, N);
        return v[i - 1];
    }
    const T& operator()(int i) const {
        if (i < 1 || i > N) Raise_Capacity_Fault(i, N);
        return v[i - 1];
    }
    void fill(const T& x) {
        for (auto& e : v) e = x;
    }
};

// Array indexed from Lo to Hi, for the phantom nodes beyond the pile ends: y(-1), y(0), y(n + 1).
template <class T, int Lo, int Hi>
struct ArrFrom {
    static_assert(Hi >= Lo);
    T v[Hi - Lo + 1]{};

    T& operator()(int i) {
        if (i < Lo || i > Hi) Raise_Capacity_Fault(i, Hi);
        return v[i - Lo];
    }
    const T& operator()(int i) const {
        if (i < Lo || i > Hi) Raise_Capacity_Fault(i, Hi);
        return v[i - Lo];
    }
};

// Two-dimensional array, both indices 1-based: a(i, j), i = 1..N1, j = 1..N2.
template <class T, int N1, int N2>
struct Arr2 {
    T v[N1][N2]{};

    T& operator()(int i, int j) {
        if (i < 1 || i > N1) Raise_Capacity_Fault(i, N1);
        if (j < 1 || j > N2) Raise_Capacity_Fault(j, N2);
        return v[i - 1][j - 1];
    }
    const T& operator()(int i, int j) const {
        if (i < 1 || i > N1) Raise_Capacity_Fault(i, N1);
        if (j < 1 || j > N2) Raise_Capacity_Fault(j, N2);
        return v[i - 1][j - 1];
    }
};

// Three-dimensional array, all indices 1-based.
template <class T, int N1, int N2, int N3>
struct Arr3 {
    T v[N1][N2][N3]{};

    T& operator()(int i, int j, int k) {
        if (i < 1 || i > N1) Raise_Capacity_Fault(i, N1);
        if (j < 1 || j > N2) Raise_Capacity_Fault(j, N2);
        if (k < 1 || k > N3) Raise_Capacity_Fault(k, N3);
        return v[i - 1][j - 1][k - 1];
    }
    const T& operator()(int i, int j, int k) const {
        if (i < 1 || i > N1) Raise_Capacity_Fault(i, N1);
        if (j < 1 || j > N2) Raise_Capacity_Fault(j, N2);
        if (k < 1 || k > N3) Raise_Capacity_Fault(k, N3);
        return v[i - 1][j - 1][k - 1];
    }
};

// Fixed-length text, blank-padded; longer input is cut at the capacity.
template <int N>
struct Text {
    char c[N];

    Text() { std::memset(c, ' ', N); }
    Text(std::string_view s) { set(s); }  // NOLINT: texts read like literals
    void set(std::string_view s) {
        std::memset(c, ' ', N);
        if (!s.empty()) std::memcpy(c, s.data(), s.size() < size_t(N) ? s.size() : size_t(N));
    }
    static constexpr int length() { return N; }
    std::string_view view() const { return {c, size_t(N)}; }   // all N characters
    std::string_view trimmed() const {                         // without trailing blanks
        size_t n = N;
        while (n > 0 && c[n - 1] == ' ') --n;
        return {c, n};
    }
    bool blank() const { return trimmed().empty(); }
    bool operator==(std::string_view s) const { return view() == Text<N>(s).view(); }
};

// Flags of the store hold -1 (true) or 0 (false) and are tested on the lowest bit.
using Flag = int;
constexpr Flag kTrue = -1;
constexpr Flag kFalse = 0;
inline bool on(Flag b) { return (b & 1) != 0; }

}  // namespace tarvex
