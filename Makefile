# Everyday commands; the README explains them.
#   make test    install what is missing, build with sanitizers, run every test
#   make run     build a release and start the program (arrives with the main window)
#   make bench   build the benchmarks (release) and run them
#   make fuzz    build the fuzz targets with clang and run each for a while
#   make package build a release and the .deb to install it with (scripts/build-package)
#   make tsan    the plotting tests (implicit plots on many threads) under ThreadSanitizer
#   make lint    clang-tidy with .clang-tidy's checks over src/ (or LINT_DIRS), failing on any
#                finding; not part of make test

BUILD_PACKAGES := cmake make g++ pkg-config qt6-base-dev qt6-svg-dev fonts-liberation \
                  qt6-translations-l10n qt6-tools-dev qt6-l10n-tools libsleef-dev libxcb1-dev \
                  libgif-dev
PACKAGE_PACKAGES := $(BUILD_PACKAGES) dpkg-dev file
TEST_PACKAGES  := $(PACKAGE_PACKAGES) libgtest-dev libgmock-dev desktop-file-utils appstream \
                  libxml2-utils poppler-utils lintian man-db libmpfr-dev
BENCH_PACKAGES := $(BUILD_PACKAGES) libbenchmark-dev libmuparser-dev
FUZZ_PACKAGES  := $(BUILD_PACKAGES) clang libclang-rt-14-dev
LINT_PACKAGES  := $(BUILD_PACKAGES) clang-tidy

MAKEFLAGS += --no-print-directory
JOBS ?= 2
FUZZ_SECONDS ?= 60
LINT_DIRS ?= src

.PHONY: test run bench fuzz package tsan lint clean

test:
	@scripts/ensure-packages $(TEST_PACKAGES)
	@cmake -S . -B build/test -DCMAKE_BUILD_TYPE=Debug -DQUORVEL_SANITIZE=ON -DQUORVEL_WERROR=ON >/dev/null
	@cmake --build build/test -j$(JOBS)
	@cd build/test && JOBS=$(JOBS) ctest --output-on-failure -j$(JOBS)

run:
	@scripts/ensure-packages $(BUILD_PACKAGES)
	@cmake -S . -B build/release -DCMAKE_BUILD_TYPE=Release -DQUORVEL_TESTS=OFF >/dev/null
	@cmake --build build/release -j$(JOBS) --target quorvel
	@build/release/src/quorvel $(FILE)

bench:
	@scripts/ensure-packages $(BENCH_PACKAGES)
	@cmake -S . -B build/release -DCMAKE_BUILD_TYPE=Release -DQUORVEL_TESTS=OFF -DQUORVEL_BENCH=ON >/dev/null
	@cmake --build build/release -j$(JOBS) --target quorvel_bench
	@build/release/bench/quorvel_bench

fuzz:
	@scripts/ensure-packages $(FUZZ_PACKAGES)
	@CXX=clang++ cmake -S . -B build/fuzz -DCMAKE_BUILD_TYPE=RelWithDebInfo -DQUORVEL_FUZZ=ON -DQUORVEL_TESTS=OFF >/dev/null
	@cmake --build build/fuzz -j$(JOBS) --target fuzz_formula fuzz_graphfile
	@mkdir -p build/fuzz/corpus/formula build/fuzz/corpus/graphfile
	@build/fuzz/fuzz/fuzz_formula -max_total_time=$(FUZZ_SECONDS) -artifact_prefix=build/fuzz/formula- \
	  build/fuzz/corpus/formula fuzz/seeds/formula
	@build/fuzz/fuzz/fuzz_graphfile -max_total_time=$(FUZZ_SECONDS) -max_len=5100 \
	  -artifact_prefix=build/fuzz/graphfile- build/fuzz/corpus/graphfile fuzz/seeds/graphfile

tsan:
	@scripts/ensure-packages $(TEST_PACKAGES)
	@cmake -S . -B build/tsan -DCMAKE_BUILD_TYPE=RelWithDebInfo -DQUORVEL_TSAN=ON >/dev/null
	@cmake --build build/tsan -j$(JOBS) --target common_tests plot_tests
	@TSAN_OPTIONS=halt_on_error=1 build/tsan/tests/common_tests --gtest_filter='WorkerPool.*'
	@TSAN_OPTIONS=halt_on_error=1 build/tsan/tests/plot_tests

# Only configured, never built: clang-tidy needs the compile database, not the objects.
lint:
	@scripts/ensure-packages $(LINT_PACKAGES)
	@cmake -S . -B build/lint -DCMAKE_BUILD_TYPE=Debug -DQUORVEL_TESTS=OFF \
	  -DCMAKE_EXPORT_COMPILE_COMMANDS=ON >/dev/null
	@JOBS=$(JOBS) scripts/lint build/lint $(LINT_DIRS)

package:
	@scripts/ensure-packages $(PACKAGE_PACKAGES)
	@JOBS=$(JOBS) scripts/build-package build/package

clean:
	rm -rf build
