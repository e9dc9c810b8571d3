# Velmar: the two everyday commands are `make run` and `make test`.

BUILD_DIR      ?= build
ASAN_BUILD_DIR ?= build-asan
TSAN_BUILD_DIR ?= build-tsan
BENCH_BUILD_DIR ?= build-bench
FUZZ_BUILD_DIR ?= build-fuzz
PACKAGE_BUILD_DIR ?= build-package
PREFIX         ?= /usr/local
JOBS           ?= $(shell nproc)
ARGS           ?=
FUZZ_SECONDS   ?= 600
FUZZ_TARGETS   ?=
FUZZ_CC        ?= clang-16
FUZZ_CXX       ?= clang++-16
# Quick to build, fast to run and with the assertions on (no NDEBUG).
FUZZ_FLAGS     ?= -O1 -gline-tables-only

# Warnings are errors in developer and CI builds; `make run`, the user's build, turns
# them off so that a newer compiler's new warnings never stop it.
WERROR         ?= ON
CMAKE_CONFIGURE = cmake -G Ninja -Wno-dev -DVELMAR_WERROR=$(WERROR)

# `make run` builds the data set from the free dictionaries first when it is missing
# (scripts/build-data); `make test` never needs it.
.PHONY: deps configure build data-sources data data-full run test screenshots eval testvoc test-asan test-tsan bench fuzz install package unit-index clean

deps:
	@scripts/install-deps.sh

# Configuring again is cheap and applies WERROR when it changed since the last build.
configure: deps
	$(CMAKE_CONFIGURE) -S . -B $(BUILD_DIR) -DCMAKE_BUILD_TYPE=Release

run: WERROR = OFF

build: configure
	cmake --build $(BUILD_DIR) -j $(JOBS)

data-sources: configure
	@scripts/build-data/build-data.sh $(BUILD_DIR)

# The data set built, then held against the words the translation rules name.
data: data-sources
	cmake --build $(BUILD_DIR) -j $(JOBS)
	$(BUILD_DIR)/bin/velmar-cli dict check --engine --data $(BUILD_DIR)/bin

data-full: configure
	@scripts/build-data/build-data.sh $(BUILD_DIR) --full

run: data-sources
	cmake --build $(BUILD_DIR) -j $(JOBS)
	$(BUILD_DIR)/bin/velmar $(ARGS)

test: build
	cd $(BUILD_DIR) && QT_QPA_PLATFORM=offscreen ctest --output-on-failure -j $(JOBS)

# The windows as a user sees them, from a scripted session on the bundled data under
# Xvfb: PNGs in $(BUILD_DIR)/screenshots (scripts/screenshots.sh).
screenshots: data-sources
	cmake --build $(BUILD_DIR) --target test_ui -j $(JOBS)
	@scripts/screenshots.sh $(BUILD_DIR)

# The development set of sentences (eval/) translated and scored against its references.
eval: build
	@python3 scripts/eval.py --cli $(BUILD_DIR)/bin/velmar-cli $(if $(SHOW),--show)

# The generators against every form of the morphological sources (minutes); `make test`
# runs a fixed sample of it.
testvoc: build
	@scripts/build-data/testvoc.sh $(BUILD_DIR)

test-asan: deps
	$(CMAKE_CONFIGURE) -S . -B $(ASAN_BUILD_DIR) -DCMAKE_BUILD_TYPE=Debug -DVELMAR_SANITIZE=ON
	cmake --build $(ASAN_BUILD_DIR) -j $(JOBS)
	cd $(ASAN_BUILD_DIR) && QT_QPA_PLATFORM=offscreen \
	  ASAN_OPTIONS=detect_leaks=0 UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1 \
	  ctest --output-on-failure -j $(JOBS)

# The threading tests (label threads: suites named *Concurrent*, all in test_core).
test-tsan: deps
	$(CMAKE_CONFIGURE) -S . -B $(TSAN_BUILD_DIR) -DCMAKE_BUILD_TYPE=Debug -DVELMAR_TSAN=ON
	cmake --build $(TSAN_BUILD_DIR) -j $(JOBS) --target test_core
	cd $(TSAN_BUILD_DIR) && ctest --output-on-failure -j $(JOBS) -L threads

# The load and translation figures read the data set of VELMAR_DATA_DIR, else that of
# $(BUILD_DIR)/bin (the full one after `make data`), else the bundled core the bench build
# compiles. The machine load is printed first: the figures mean little on a busy machine.
bench: deps
	$(CMAKE_CONFIGURE) -S . -B $(BENCH_BUILD_DIR) -DCMAKE_BUILD_TYPE=Release -DVELMAR_BUILD_BENCH=ON -DVELMAR_BUILD_TESTS=OFF
	cmake --build $(BENCH_BUILD_DIR) -j $(JOBS)
	@data=$${VELMAR_DATA_DIR:-$(BUILD_DIR)/bin}; [ -f $$data/frpol2.sg ] || data=$(BENCH_BUILD_DIR)/bin; \
	  echo "data: $$data; load: $$(cut -d' ' -f1-3 /proc/loadavg)"; \
	  for b in $(BENCH_BUILD_DIR)/bench/bench_*; do echo "== $$b"; VELMAR_DATA_DIR=$$data $$b; done

# Fuzzing needs clang and its fuzzer runtime, installed here only: clang 16, since
# Debian 12's clang 14 crashes compiling the French generator tables. New inputs the
# fuzzer finds stay in the build folder; fuzz/corpus/ keeps the small seed corpora.
# `make fuzz FUZZ_TARGETS="kod haslo"` runs only those.
fuzz:
	@scripts/install-deps.sh --fuzz
	CC=$(FUZZ_CC) CXX=$(FUZZ_CXX) $(CMAKE_CONFIGURE) -S . -B $(FUZZ_BUILD_DIR) -DCMAKE_BUILD_TYPE=RelWithDebInfo \
	  -DCMAKE_CXX_FLAGS_RELWITHDEBINFO="$(FUZZ_FLAGS)" -DVELMAR_FUZZ=ON -DVELMAR_SANITIZE=ON -DVELMAR_BUILD_TESTS=OFF
	cmake --build $(FUZZ_BUILD_DIR) -j $(JOBS) --target velmar_fuzzers
	nice -n 19 fuzz/run-fuzzers.sh $(FUZZ_BUILD_DIR) $(FUZZ_SECONDS) $(FUZZ_TARGETS)

# The program, its data set, desktop entry, icon, manual page and completion under
# PREFIX (cmake/VelmarInstall.cmake); `make install PREFIX=$$HOME/.local` needs no root.
install: build
	cmake --install $(BUILD_DIR) --prefix $(PREFIX)

# The Debian package (CPack), with the full data set, in $(PACKAGE_BUILD_DIR)/:
# `apt install ./$(PACKAGE_BUILD_DIR)/velmar_*.deb` installs it.
package: deps
	$(CMAKE_CONFIGURE) -S . -B $(PACKAGE_BUILD_DIR) -DCMAKE_BUILD_TYPE=Release -DVELMAR_BUILD_TESTS=OFF
	@scripts/build-data/build-data.sh $(PACKAGE_BUILD_DIR)
	cmake --build $(PACKAGE_BUILD_DIR) -j $(JOBS)
	cd $(PACKAGE_BUILD_DIR) && cpack -G DEB

# docs/UNITS.md from the purpose comment of every unit (a test fails while it is stale).
unit-index:
	@scripts/unit-index.py

clean:
	rm -rf $(BUILD_DIR) $(ASAN_BUILD_DIR) $(TSAN_BUILD_DIR) $(BENCH_BUILD_DIR) $(FUZZ_BUILD_DIR) $(PACKAGE_BUILD_DIR)
