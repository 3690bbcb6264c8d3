#pragma once
// 1-based arrays as the numerical entries see them: Array1 is a contiguous
// vector addressed 1..n, Array2 a column-major matrix addressed (1..rows,
// 1..cols). data() is the address of element (1) / (1,1), which is what is
// handed across a numerical entry. Checked builds verify every index.

#include <cstddef>
#include <cstdio>
#include <cstdlib>
#include <vector>

#if defined(AEROLUNE_CHECKED) || !defined(NDEBUG)
#define AEROLUNE_INDEX_CHECK(cond)                                                               \
    do {                                                                                         \
        if (!(cond)) {                                                                           \
            std::fprintf(stderr, "index out of range: %s (%s:%d)\n", #cond, __FILE__, __LINE__); \
            std::abort();                                                                        \
        }                                                                                        \
    } while (0)
#else
#define AEROLUNE_INDEX_CHECK(cond) ((void)0)
#endif

namespace aerolune {

template <typename T>
class Array1 {
public:
    Array1() = default;
    explicit Array1(std::size_t n, const T& value = T()) : values_(n, value) {}

    T& operator()(std::ptrdiff_t i) {
        AEROLUNE_INDEX_CHECK(i >= 1 && i <= size());
        return values_[static_cast<std::size_t>(i - 1)];
    }
    const T& operator()(std::ptrdiff_t i) const {
        AEROLUNE_INDEX_CHECK(i >= 1 && i <= size());
        return values_[static_cast<std::size_t>(i - 1)];
    }

    std::ptrdiff_t size() const { return static_cast<std::ptrdiff_t>(values_.size()); }
    void resize(std::size_t n, const T& value = T()) { values_.assign(n, value); }
    void fill(const T& value) { values_.assign(values_.size(), value); }

    T* data() { return values_.data(); }
    const T* data() const { return values_.data(); }
    std::vector<T>& vector() { return values_; }
    const std::vector<T>& vector() const { return values_; }

private:
    std::vector<T> values_;
};

template <typename T>
class Array2 {
public:
    Array2() = default;
    Array2(std::size_t rows, std::size_t cols, const T& value = T())
        : rows_(rows), cols_(cols), values_(rows * cols, value) {}

    T& operator()(std::ptrdiff_t i, std::ptrdiff_t j) { return values_[offset(i, j)]; }
    const T& operator()(std::ptrdiff_t i, std::ptrdiff_t j) const { return values_[offset(i, j)]; }

    std::ptrdiff_t rows() const { return static_cast<std::ptrdiff_t>(rows_); }
    std::ptrdiff_t cols() const { return static_cast<std::ptrdiff_t>(cols_); }
    void resize(std::size_t rows, std::size_t cols, const T& value = T()) {
        rows_ = rows;
        cols_ = cols;
        values_.assign(rows * cols, value);
    }

    T* data() { return values_.data(); }
    const T* data() const { return values_.data(); }

private:
    std::size_t offset(std::ptrdiff_t i, std::ptrdiff_t j) const {
        AEROLUNE_INDEX_CHECK(i >= 1 && i <= rows() && j >= 1 && j <= cols());
        return static_cast<std::size_t>(i - 1) + rows_ * static_cast<std::size_t>(j - 1);
    }

    std::size_t rows_ = 0;
    std::size_t cols_ = 0;
    std::vector<T> values_;
};

// Views over memory handed in through a numerical entry: the caller owns the
// storage, the view only adds 1-based (column-major) addressing and, in checked
// builds, the bounds the entry was told about.
template <typename T>
class View1 {
public:
    View1(T* first, std::ptrdiff_t n) : first_(first), n_(n) {}
    T& operator()(std::ptrdiff_t i) const {
        AEROLUNE_INDEX_CHECK(i >= 1 && i <= n_);
        return first_[i - 1];
    }
    std::ptrdiff_t size() const { return n_; }

private:
    T* first_;
    std::ptrdiff_t n_;
};

template <typename T>
class View2 {
public:
    View2(T* first, std::ptrdiff_t rows, std::ptrdiff_t cols) : first_(first), rows_(rows), cols_(cols) {}
    T& operator()(std::ptrdiff_t i, std::ptrdiff_t j) const {
        AEROLUNE_INDEX_CHECK(i >= 1 && i <= rows_ && j >= 1 && j <= cols_);
        return first_[(i - 1) + rows_ * (j - 1)];
    }
    std::ptrdiff_t rows() const { return rows_; }
    std::ptrdiff_t cols() const { return cols_; }

private:
    T* first_;
    std::ptrdiff_t rows_;
    std::ptrdiff_t cols_;
};

}  // namespace aerolune
