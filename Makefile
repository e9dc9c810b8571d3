# Velmar: the two everyday commands are `make run` and `make test`.

BUILD_DIR      ?= build
ASAN_BUILD_DIR ?= build-asan
TSAN_BUILD_DIR ?= build-tsan
BENCH_BUILD_DIR ?= build-bench
FUZZ_BUILD_DIR ?= build-fuzz
JOBS           ?= $(shell nproc)
ARGS           ?=
FUZZ_SECONDS   ?= 600

# Warnings are errors in developer and CI builds; `make run`, the user's build, turns
# them off so that a newer compiler's new warnings never stop it.
WERROR         ?= ON
CMAKE_CONFIGURE = cmake -G Ninja -Wno-dev -DVELMAR_WERROR=$(WERROR)

# `make run` builds the data set from the free dictionaries first when it is missing
# (scripts/build-data); `make test` never needs it.
.PHONY: deps configure build data-sources data data-full run test eval testvoc test-asan test-tsan bench fuzz unit-index clean

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

# Fuzzing needs clang and its fuzzer runtime, installed here only. New inputs the
# fuzzer finds stay in the build folder; fuzz/corpus/ keeps the small seed corpus.
fuzz:
	@scripts/install-deps.sh --fuzz
	CC=clang CXX=clang++ $(CMAKE_CONFIGURE) -S . -B $(FUZZ_BUILD_DIR) -DCMAKE_BUILD_TYPE=RelWithDebInfo \
	  -DVELMAR_FUZZ=ON -DVELMAR_SANITIZE=ON -DVELMAR_BUILD_TESTS=OFF
	cmake --build $(FUZZ_BUILD_DIR) -j $(JOBS) --target fuzz_rtf
	mkdir -p $(FUZZ_BUILD_DIR)/corpus/rtf
	$(FUZZ_BUILD_DIR)/bin/fuzz_rtf -max_total_time=$(FUZZ_SECONDS) -timeout=10 -max_len=65536 \
	  -dict=fuzz/rtf.dict -artifact_prefix=$(FUZZ_BUILD_DIR)/ $(FUZZ_BUILD_DIR)/corpus/rtf fuzz/corpus/rtf

# docs/UNITS.md from the purpose comment of every unit (a test fails while it is stale).
unit-index:
	@scripts/unit-index.py

clean:
	rm -rf $(BUILD_DIR) $(ASAN_BUILD_DIR) $(TSAN_BUILD_DIR) $(BENCH_BUILD_DIR) $(FUZZ_BUILD_DIR)
